#pragma once
// The application's set-up, done once before the window is built, by the
// program, its tests and its benchmarks alike: the style, the palette, the
// faces and their stand-ins, the icon and the name the desktop knows it by.

#include <QPalette>

namespace app {

void configure();

// The one palette of the window and its message boxes: Fusion's light
// palette, with every colour of every group set, so that no desktop theme
// or colour scheme can show through.
QPalette fixedPalette();

} // namespace app
