#pragma once
// The application's set-up, done once before the window is built, by the
// program, its tests and its benchmarks alike: the style, the palette, the
// faces and their stand-ins, the icon and the name the desktop knows it by.

namespace app {

void configure();

} // namespace app
