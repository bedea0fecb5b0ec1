// The candidate's answer boxes and the "Réponses" correction display.

#include "window/form1.h"
#include "window/widgets/text_color.h"

#include <QCheckBox>
#include <QLabel>

namespace {
std::int16_t tickState(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}
} // namespace

std::int16_t Form1::Correction() const
{
    const std::int16_t t1 = tickState(cckInput(1));
    const std::int16_t t2 = tickState(cckInput(2));
    const std::int16_t t3 = tickState(cckInput(3));
    return (t1 == AnswerKey(1) && t2 == AnswerKey(2) && t3 == AnswerKey(3)) ? 1 : 0;
}

void Form1::cckInput_Click(std::int16_t index)
{
    Q_UNUSED(index);
    ScreenResult = Correction();
}

void Form1::cckAnswers_Click()
{
    if (tickState(cckAnswers) == 1) {
        for (int k = 1; k <= 3; ++k)
            Quest(k)->show();
    } else if (tickState(cckAnswers) == 0) {
        for (int k = 1; k <= 3; ++k)
            Quest(k)->hide();
    }
    ColorCorrections();
}

void Form1::ColorCorrections()
{
    for (int k = 1; k <= 3; ++k) {
        if (Quest(k)->text() == QLatin1String("Vrai"))
            setTextColor(Quest(k), QColor(0x00, 0xFF, 0x00));
        if (Quest(k)->text() == QLatin1String("Faux"))
            setTextColor(Quest(k), QColor(0xFF, 0x00, 0x00));
    }
}
