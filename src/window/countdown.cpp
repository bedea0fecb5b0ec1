// The 14-minute countdown and the ways out of the program.

#include "window/form1.h"
#include "common/host.h"

#include <QLabel>
#include <QTimer>

#include <cmath>
#include <cstdint>

void Form1::Timer1_Timer()
{
    const std::int32_t interval = Timer1->interval();
    TimeLeftMs = static_cast<float>(static_cast<double>(TimeLeftMs) - interval);
    // Both roundings are to the nearest integer, ties to even.
    const auto m = static_cast<std::int32_t>(std::lrint(static_cast<double>(TimeLeftMs)));
    MinutesLeft = static_cast<std::int16_t>(m / 60000);
    const auto s = static_cast<std::int32_t>(std::lrint(static_cast<double>(TimeLeftMs) / 1000.0));
    SecondsLeft = static_cast<std::int16_t>(s % 60);
    Temps->setText(QStringLiteral("Temps restant") + num(MinutesLeft) + QStringLiteral(" ' ")
                   + num(SecondsLeft) + QStringLiteral(" ''"));

    if (!(TimeLeftMs > 0)) {
        // Stopped first: the message box keeps the event loop running, and
        // every further tick would open one more message.
        Timer1->stop();
        m_host.showMessage(QStringLiteral("Il ne reste plus de temps ! Vous avez ") + num(Score)
                           + QStringLiteral(" bonnes réponses sur 60."));
        endProgram();
    }
}

void Form1::Quitter_Click()
{
    endProgram();
}
