#pragma once
// The benchmarks time the window alone: no message box, no end of program.

#include "common/host.h"

class SilentHost final : public Host
{
public:
    void showMessage(const QString &) override {}
    void endProgram() override {}
};
