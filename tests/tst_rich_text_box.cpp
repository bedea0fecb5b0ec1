// The question box: the program composes its text with CR LF line breaks and
// addresses characters by their place in that composed text, whatever the
// document underneath keeps for a break. Every question the window builds
// goes through the box's deferred updates, which the statement suites check.

#include "support/window_test.h"

#include <QTextDocument>

namespace {

const QString Question = QStringLiteral(
    " 7)\r\n\r\n   a) Vitesse est au dessus de Moteur\r\n\r\n"
    "   b) Huile n'est pas à gauche de Vitesse\r\n\r\n"
    "   c) niveau Essence est supérieur à niveau Altitude");

const QColor Orange(0xFF, 0x80, 0x00);

} // namespace

class RichTextBoxTest : public WindowTest
{
    Q_OBJECT

    RichTextBox *box()
    {
        window();
        return questionBox();
    }

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::newRow("empty") << QString() << 1;
        QTest::newRow("one line") << QStringLiteral("Vitesse") << 1;
        QTest::newRow("break at start") << QStringLiteral("\r\nMoteur") << 2;
        QTest::newRow("break at end") << QStringLiteral("Moteur\r\n") << 2;
        QTest::newRow("three in a row") << QStringLiteral("a\r\n\r\n\r\nb") << 4;
        QTest::newRow("breaks only") << QStringLiteral("\r\n\r\n") << 3;
        QTest::newRow("question") << Question << 7;
    }
    void roundTrip()
    {
        QFETCH(QString, text);
        QFETCH(int, lines);
        box()->setText(text);
        QCOMPARE(box()->text(), text);
        // Each break is a real new line on screen, never a drawn CR or LF.
        QCOMPARE(box()->document()->blockCount(), lines);
        QVERIFY(!box()->toPlainText().contains(QLatin1Char('\r')));
    }

    void selectionColour_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        const QString lines = QStringLiteral("Vitesse\r\nMoteur\r\n\r\nHuile est");
        QTest::newRow("first word, before any break") << lines << 0 << 7;
        QTest::newRow("inside the first line") << lines << 2 << 3;
        QTest::newRow("across one break") << lines << 4 << 7;    // "sse" CR LF "Mo"
        QTest::newRow("right after a break") << lines << 9 << 6;  // "Moteur"
        QTest::newRow("across two breaks") << lines << 13 << 9;  // "eur" CR LF CR LF "Hu"
        QTest::newRow("after both breaks") << lines << 19 << 5;  // "Huile"
        QTest::newRow("last character") << lines << int(lines.size() - 1) << 1;
        QTest::newRow("whole text") << lines << 0 << int(lines.size());
        QTest::newRow("question: name on line 3") << Question << int(Question.indexOf("Huile")) << 5;
        QTest::newRow("question: name at the very end") << Question << int(Question.indexOf("Altitude")) << 8;
    }
    // Painted as the question builder paints: all black, then one range.
    void selectionColour()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        RichTextBox *box = this->box();
        box->setText(text);
        box->setSelStart(0);
        box->setSelLength(int(text.size()));
        QCOMPARE(box->selLength(), int(text.size()));
        box->setSelColor(Qt::black);
        box->setSelLength(0);
        QCOMPARE(box->selLength(), 0);

        box->setSelStart(start);
        QCOMPARE(box->selStart(), start);
        QCOMPARE(box->selLength(), 0);
        box->setSelLength(length);
        QCOMPARE(box->selStart(), start);
        QCOMPARE(box->selLength(), length);
        box->setSelColor(Orange);
        QCOMPARE(box->text(), text);

        // Character by character, in the document itself, where a CR LF pair
        // is one separator, and as the box reports it.
        const QTextDocument *document = box->document();
        int documentPosition = 0;
        for (int p = 0; p < text.size(); ++p, ++documentPosition) {
            if (text.at(p) == QLatin1Char('\r')) {
                ++p;
                continue;
            }
            QCOMPARE(document->characterAt(documentPosition), text.at(p));
            QTextCursor cursor(const_cast<QTextDocument *>(document));
            cursor.setPosition(documentPosition);
            cursor.setPosition(documentPosition + 1, QTextCursor::KeepAnchor);
            const QBrush brush = cursor.charFormat().foreground();
            const QColor expected = p >= start && p < start + length ? Orange : QColor(Qt::black);
            QVERIFY2(brush.style() != Qt::NoBrush && brush.color() == expected,
                     qPrintable(QString("'%1' at %2 is %3").arg(text.at(p)).arg(p).arg(brush.color().name())));
            QCOMPARE(box->colorAt(p), expected);
        }
    }

    // Moving the caret drops the selection: a later colour goes nowhere.
    void caretMoveSelectsNothing()
    {
        RichTextBox *box = this->box();
        box->setText(QStringLiteral("ab\r\ncd"));
        box->setSelStart(0);
        box->setSelLength(2);
        box->setSelStart(4);
        QCOMPARE(box->selStart(), 4);
        QCOMPARE(box->selLength(), 0);
        box->setSelColor(Orange);
        for (int p : {0, 1, 4, 5})
            QVERIFY2(box->colorAt(p) != Orange, qPrintable(QString("position %1 coloured").arg(p)));
    }

    void candidateCannotType()
    {
        RichTextBox *box = this->box();
        const QString text = QStringLiteral("\r\n\r\n      Cliquez sur 'Commencer' pour débuter l'exercice");
        box->setText(text);
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        box->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));

        QTest::keyClicks(box, QStringLiteral("xyz 12"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), text);
    }
};

QUOVALE_TEST_MAIN(RichTextBoxTest)
#include "tst_rich_text_box.moc"
