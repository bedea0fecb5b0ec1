// The question box: the program composes its text with CR LF line breaks and
// addresses characters by their place in that composed text, whatever the
// document underneath keeps for a break.

#include "support/test_support.h"
#include "window/widgets/rich_text_box.h"

#include <QApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>
#include <optional>

namespace {

// A box to work on: either one of its own or the one inside the window.
struct Subject {
    explicit Subject(bool inForm)
    {
        if (inForm) {
            form = std::make_unique<Form1>(host, draws);
            box = control<RichTextBox>(*form, "rtfAnswer");
        } else {
            own = std::make_unique<RichTextBox>();
            box = own.get();
        }
    }
    FakeHost host;
    SeededDraws draws{5};
    std::unique_ptr<Form1> form;
    std::unique_ptr<RichTextBox> own;
    RichTextBox *box = nullptr;
};

const QString Question = QStringLiteral(
    " 7)\r\n\r\n   a) Vitesse est au dessus de Moteur\r\n\r\n"
    "   b) Huile n'est pas à gauche de Vitesse\r\n\r\n"
    "   c) le niveau de Essence est supérieur à niveau Altitude");

const QColor Orange(0xFF, 0x80, 0x00);

// Rows for both places the box lives in.
template <typename AddRow>
void forBothBoxes(AddRow addRow)
{
    addRow("standalone", false);
    addRow("form", true);
}

bool isBreakChar(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

} // namespace

class RichTextBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<bool>("inForm");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        forBothBoxes([](const char *where, bool inForm) {
            const auto row = [&](const char *name, const QString &text, int lines) {
                QTest::addRow("%s: %s", where, name) << inForm << text << lines;
            };
            row("empty", QString(), 1);
            row("one line", QStringLiteral("Vitesse"), 1);
            row("one break", QStringLiteral("Vitesse\r\nMoteur"), 2);
            row("break at start", QStringLiteral("\r\nMoteur"), 2);
            row("break at end", QStringLiteral("Moteur\r\n"), 2);
            row("two in a row", QStringLiteral("a\r\n\r\nb"), 3);
            row("three in a row", QStringLiteral("a\r\n\r\n\r\nb"), 4);
            row("breaks only", QStringLiteral("\r\n\r\n"), 3);
            row("invitation",
                QStringLiteral("\r\n\r\n      Cliquez sur 'Commencer' pour débuter l'exercice"), 3);
            row("question", Question, 7);
            row("break at both ends", QStringLiteral("\r\n x \r\n"), 3);
        });
    }
    void roundTrip()
    {
        QFETCH(bool, inForm);
        QFETCH(QString, text);
        QFETCH(int, lines);
        Subject subject(inForm);
        QVERIFY(subject.box);
        subject.box->setText(text);
        QCOMPARE(subject.box->text(), text);
        QCOMPARE(subject.box->text().size(), text.size());
        // Each break is a real new line on screen, never a drawn CR or LF.
        QCOMPARE(subject.box->document()->blockCount(), lines);
        QVERIFY(!subject.box->toPlainText().contains(QLatin1Char('\r')));
    }

    void selectionColour_data()
    {
        QTest::addColumn<bool>("inForm");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("deferred");
        const QString lines = QStringLiteral("Vitesse\r\nMoteur\r\n\r\nHuile est");
        forBothBoxes([&](const char *where, bool inForm) {
            const auto row = [&](const char *name, const QString &text, int start, int length) {
                QTest::addRow("%s: %s", where, name) << inForm << text << start << length << false;
                QTest::addRow("%s, deferred: %s", where, name) << inForm << text << start << length << true;
            };
            row("first word, before any break", lines, 0, 7);
            row("inside the first line", lines, 2, 3);
            row("across one break", lines, 4, 7);       // "sse" CR LF "Mo"
            row("right after a break", lines, 9, 6);    // "Moteur"
            row("across two breaks", lines, 13, 9);     // "eur" CR LF CR LF "Hu"
            row("after both breaks", lines, 19, 5);     // "Huile"
            row("last character", lines, lines.size() - 1, 1);
            row("whole text", lines, 0, lines.size());
            row("single character after breaks", lines, 20, 1);
            row("question: first name", Question, Question.indexOf("Vitesse"), 7);
            row("question: name on line 3", Question, Question.indexOf("Huile"), 5);
            row("question: second Vitesse", Question, Question.lastIndexOf("Vitesse"), 7);
            row("question: name at the very end", Question, Question.indexOf("Altitude"), 8);
        });
    }
    // Painted as the question builder paints: all black, then one range.
    void selectionColour()
    {
        QFETCH(bool, inForm);
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(bool, deferred);
        Subject subject(inForm);
        RichTextBox *box = subject.box;
        QVERIFY(box);
        box->setText(text);
        // Deferred, the selections are the box's own until the update ends.
        std::optional<RichTextBox::DeferredUpdate> update;
        if (deferred)
            update.emplace(*box);

        box->setSelStart(0);
        box->setSelLength(int(text.size()));
        QCOMPARE(box->selStart(), 0);
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
        if (deferred) {
            QVERIFY2(!box->textCursor().hasSelection(), "the caret on screen moved before the update ended");
            update.reset();
            QCOMPARE(box->selStart(), start);
            QCOMPARE(box->selLength(), length);
            QCOMPARE(box->textCursor().selectedText().size(), length - int(text.mid(start, length).count("\r\n")));
        }

        // Character by character, as the box reports it.
        for (int p = 0; p < text.size(); ++p) {
            if (isBreakChar(text.at(p)))
                continue;
            const bool inside = p >= start && p < start + length;
            const QColor expected = inside ? Orange : QColor(Qt::black);
            QVERIFY2(box->colorAt(p) == expected,
                     qPrintable(QString("position %1 ('%2') is %3").arg(p).arg(text.at(p)).arg(box->colorAt(p).name())));
        }

        // And in the document itself, where a CR LF pair is one separator.
        const QTextDocument *document = box->document();
        int documentPosition = 0;
        for (int p = 0; p < text.size(); ++p) {
            if (text.at(p) == QLatin1Char('\r') && p + 1 < text.size() && text.at(p + 1) == QLatin1Char('\n')) {
                ++p;
                ++documentPosition;
                continue;
            }
            QCOMPARE(document->characterAt(documentPosition), text.at(p));
            QTextCursor cursor(const_cast<QTextDocument *>(document));
            cursor.setPosition(documentPosition);
            cursor.setPosition(documentPosition + 1, QTextCursor::KeepAnchor);
            const QBrush brush = cursor.charFormat().foreground();
            const bool inside = p >= start && p < start + length;
            QVERIFY2(brush.style() != Qt::NoBrush, qPrintable(QString("position %1 has no colour").arg(p)));
            QVERIFY2(brush.color() == (inside ? Orange : QColor(Qt::black)),
                     qPrintable(QString("document position %1 (text %2) is %3")
                                    .arg(documentPosition).arg(p).arg(brush.color().name())));
            ++documentPosition;
        }
    }

    // Moving the caret drops the selection: a later colour goes nowhere.
    void caretMoveSelectsNothing_data()
    {
        QTest::addColumn<bool>("inForm");
        forBothBoxes([](const char *where, bool inForm) { QTest::newRow(where) << inForm; });
    }
    void caretMoveSelectsNothing()
    {
        QFETCH(bool, inForm);
        Subject subject(inForm);
        RichTextBox *box = subject.box;
        const QString text = QStringLiteral("ab\r\ncd");
        box->setText(text);
        box->setSelStart(0);
        box->setSelLength(2);
        box->setSelStart(4);
        QCOMPARE(box->selStart(), 4);
        QCOMPARE(box->selLength(), 0);
        box->setSelColor(Orange);
        for (int p : {0, 1, 4, 5})
            QVERIFY2(box->colorAt(p) != Orange, qPrintable(QString("position %1 coloured").arg(p)));
    }

    void candidateCannotType_data()
    {
        QTest::addColumn<bool>("inForm");
        forBothBoxes([](const char *where, bool inForm) { QTest::newRow(where) << inForm; });
    }
    void candidateCannotType()
    {
        QFETCH(bool, inForm);
        Subject subject(inForm);
        RichTextBox *box = subject.box;
        QWidget *window = inForm ? static_cast<QWidget *>(subject.form.get()) : box;
        const QString text = QStringLiteral("\r\n\r\n      Cliquez sur 'Commencer' pour débuter l'exercice");
        box->setText(text);
        QVERIFY(box->focusPolicy() & Qt::TabFocus);

        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
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
