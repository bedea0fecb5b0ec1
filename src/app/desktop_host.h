#pragma once
// The Host of the real program: the desktop's message box, and the end of
// the event loop.

#include "common/host.h"

class QWidget;

class DesktopHost final : public Host
{
public:
    // The window the message boxes open over.
    void setParentWindow(QWidget *window) { m_window = window; }
    void showMessage(const QString &text) override;
    void endProgram() override;

private:
    QWidget *m_window = nullptr;
};
