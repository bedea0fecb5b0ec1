// Form_Load: the window's waiting state before the first press of Suivant.

#include "window/form1.h"
#include "window/widgets/rich_text_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

void Form1::Form_Load()
{
    FillRuleTables();
    for (int i = 1; i <= 6; ++i)
        Param(i)->setText(QString());
    for (int i = 1; i <= 6; ++i)
        Valu(i)->setText(QString());
    for (int i = 1; i <= 3; ++i)
        Quest(i)->setText(QString());
    Suivant->setText(QStringLiteral("Commencer"));
    rtfAnswer->setText(CrLf + CrLf + QStringLiteral("      Cliquez sur 'Commencer' pour débuter l'exercice"));
    Score = 0;
    for (int i = 1; i <= 3; ++i)
        cckInput(i)->setEnabled(false);
    for (int i = 1; i <= 3; ++i)
        cckInput(i)->setChecked(false);
    cckAnswers->setEnabled(false);
    for (int i = 1; i <= 3; ++i)
        Quest(i)->hide();
    Timer1->stop();
    FirstStart = TruthTrue;
    TimeLeftMs = 840000;
}
