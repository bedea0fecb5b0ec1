#pragma once
// The two things a test must never let happen for real: a modal message box
// and the end of the program. The window does both only through a Host.

#include <QString>

inline const QString ApplicationTitle = QStringLiteral("Test Quovale");

class Host
{
public:
    virtual ~Host() = default;
    // A modal box with the text, an OK button only, no icon and the
    // application title; returns when the candidate has closed it.
    virtual void showMessage(const QString &text) = 0;
    // Ends the program as soon as the running handler returns.
    virtual void endProgram() = 0;
};
