// Suivant_Click: starting the test, scoring each screen and building the next.

#include "window/form1.h"
#include "common/host.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr std::int16_t QuestionsPerTest = 60;
} // namespace

void Form1::Suivant_Click()
{
    if (FirstStart == TruthTrue) {
        // Setting the period restarts it, so the 1 ms period never ticks:
        // the first tick comes one second after this press.
        Timer1->setInterval(1);
        Timer1->start();
        Timer1->setInterval(1000);
        FirstStart = TruthFalse;
    }

    QuestionNumber = static_cast<std::int16_t>(QuestionNumber + 1);

    if (QuestionNumber == QuestionsPerTest + 1) {
        Timer1->stop();
        Score = static_cast<std::int16_t>(Score + ScreenResult);
        m_host.showMessage(QStringLiteral("Vous avez répondu toutes les questions en")
                           + num(13 - MinutesLeft) + QStringLiteral(" minute(s) et ")
                           + num(60 - SecondsLeft) + QStringLiteral(" seconde(s)") + CrLf
                           + QStringLiteral("Vous avez ") + num(Score) + QStringLiteral(" réponses justes"));
        endProgram();
        return;
    }

    m_draws.reseed();
    ChartMake();
    QuestionMake();
    Suivant->setText(QStringLiteral("Suivant"));
    Suivant->setFocus();
    Score = static_cast<std::int16_t>(Score + ScreenResult);
    ScoreShow->setText(QStringLiteral("Score :") + num(Score) + QStringLiteral(" / ") + num(QuestionNumber - 1));
    // Clearing a ticked box runs cckInput_Click against the new answer key.
    for (int i = 1; i <= 3; ++i)
        cckInput(i)->setChecked(false);
    for (int i = 1; i <= 3; ++i)
        cckInput(i)->setEnabled(true);
    cckAnswers->setEnabled(true);
    ColorCorrections();
}
