// QuestionMake: the truth pattern, the three statements, the answer key and
// the numbered question with every instrument name in its dial's colour.

#include "window/form1.h"
#include "window/widgets/rich_text_box.h"
#include "window/widgets/text_color.h"

#include <QLabel>

void Form1::QuestionMake()
{
    m_levelDialNamed.fill(false);

    const std::int16_t pattern = toInt16(RandNum(1, 7));
    for (std::int16_t n = 1; n <= 3; ++n) {
        if (TruthPattern(pattern, n) == TruthTrue) {
            MakeTrueQuestion(n);
            AnswerKey(n) = 1;
        } else {
            MakeFalseQuestion(n);
            AnswerKey(n) = 0;
        }
    }

    const QString twoBreaks = CrLf + CrLf;
    const RichTextBox::DeferredUpdate composing(*rtfAnswer);
    rtfAnswer->setText(num(QuestionNumber) + QStringLiteral(")") + twoBreaks
                       + QStringLiteral("   a) ") + Statements(1) + twoBreaks
                       + QStringLiteral("   b) ") + Statements(2) + twoBreaks
                       + QStringLiteral("   c) ") + Statements(3));
    rtfAnswer->setFocus();
    describeStatements();

    const QString text = rtfAnswer->text();
    rtfAnswer->setSelStart(0);
    rtfAnswer->setSelLength(static_cast<int>(text.size()));
    rtfAnswer->setSelColor(Qt::black);
    rtfAnswer->setSelLength(0);

    // The first three occurrences of each name take the colour of its dial.
    for (int i = 1; i <= 6; ++i) {
        const QString name = Param(i)->text();
        const QColor color = textColor(Param(i));
        const auto length = static_cast<int>(name.size());
        if (length == 0)
            continue;
        const auto first = static_cast<int>(text.indexOf(name));
        if (first < 0)
            continue;
        rtfAnswer->setSelStart(first);
        rtfAnswer->setSelLength(length);
        rtfAnswer->setSelColor(color);
        for (int again = 0; again < 2; ++again) {
            const int from = rtfAnswer->selStart() + length;
            const auto next = static_cast<int>(text.indexOf(name, from));
            if (next >= 0) {
                rtfAnswer->setSelStart(next);
                rtfAnswer->setSelLength(length);
                rtfAnswer->setSelColor(color);
            }
        }
    }

    rtfAnswer->setSelStart(0);
    rtfAnswer->setSelLength(0);
}
