// The window as the candidate first meets it: every control where the layout
// puts it, with its first text, font and colours; then the waiting state that
// the load step leaves, and what the keyboard and the close box do in it.

#include "support/test_support.h"
#include "window/widgets/rich_text_box.h"
#include "window/widgets/shape_widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

const QString Navy = QStringLiteral("#000080");
const QString Grey = QStringLiteral("#808080");
const QString ButtonText = QStringLiteral("button");
const QString White = QStringLiteral("white");
const QString Transparent = QStringLiteral("transparent");

const QString Sans = QStringLiteral("MS Sans Serif");
const QString Arial = QStringLiteral("Arial");
const QString Comic = QStringLiteral("Comic Sans MS");

const QString TempsAtStart = QStringLiteral("Temps restant 14 ' 00 \"");
const QString Invitation = QStringLiteral("\r\n\r\n      Cliquez sur 'Commencer' pour débuter l'exercice");

QWidget *widget(const Form1 &form, const QString &name)
{
    return control<QWidget>(form, name);
}

QString shownText(const QWidget *w)
{
    if (const auto *box = qobject_cast<const RichTextBox *>(w))
        return box->text();
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    return QString();
}

int stackIndex(const Form1 &form, const QString &name)
{
    const QObject *target = widget(form, name);
    return target ? int(form.children().indexOf(const_cast<QObject *>(target))) : -1;
}

QStringList numbered(const QString &stem, int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << stem + QString::number(i);
    return names;
}

// Starts a shown window on its first question, so that the boxes are live.
void startTest(Form1 &form)
{
    QTest::mouseClick(control<QPushButton>(form, "Suivant"), Qt::LeftButton);
}

// A key goes where the candidate's keyboard goes: to the focused control.
bool pressOnFocus(Qt::Key key)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return false;
    QTest::keyClick(focus, key);
    return true;
}

} // namespace

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void controlBeforeLoad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("substitute");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("ink");
        QTest::addColumn<QString>("paper");

        const auto row = [](const QString &name, const char *kind, QRect geometry, const QString &text,
                            const QString &family, double points, bool bold, const QString &ink,
                            const QString &paper) {
            const QString substitute = family.isEmpty() ? QString()
                                       : family == Comic ? QStringLiteral("Comic Neue")
                                                         : QStringLiteral("Liberation Sans");
            QTest::newRow(qPrintable(name)) << name << QString::fromLatin1(kind) << geometry << text << family
                                            << substitute << points << bold << ink << paper;
        };
        const auto shape = [&](const QString &name, const char *kind, QRect geometry, const QString &fill) {
            row(name, kind, geometry, QString(), QString(), 0, false, QString(), fill);
        };

        shape("Shape3", "rectangle", {8, 16, 401, 81}, White);
        row("Label1", "label", {144, 32, 137, 17}, "Sélection Pilotes", Arial, 12, true, Navy, White);
        row("Label2", "label", {304, 64, 89, 17}, "Test Quovale", Arial, 9.75, true, Navy, White);
        shape("Image1", "picture", {280, 24, 110, 33}, QString());
        row("ScoreShow", "label", {16, 48, 81, 17}, "Score : 0 / 0", Sans, 8.25, false, Grey, White);
        row("Temps", "label", {16, 72, 161, 17}, TempsAtStart, Sans, 8.25, false, Grey, White);
        row("rtfAnswer", "richtext", {8, 112, 401, 161}, "RichTextBox1", Comic, 9.75, true, QString(), QString());
        row("cckInput1", "checkbox", {16, 280, 33, 17}, "a)", Sans, 8.25, false, QString(), QString());
        row("cckInput2", "checkbox", {104, 280, 33, 17}, "b)", Sans, 8.25, false, QString(), QString());
        row("cckInput3", "checkbox", {192, 280, 33, 17}, "c)", Sans, 8.25, false, QString(), QString());
        row("Quest1", "label", {48, 280, 57, 17}, "Quest1", Sans, 9.75, true, ButtonText, Transparent);
        row("Quest2", "label", {136, 280, 65, 17}, "Quest2", Sans, 9.75, true, ButtonText, Transparent);
        row("Quest3", "label", {224, 280, 65, 25}, "Quest3", Sans, 9.75, true, ButtonText, Transparent);
        row("cckAnswers", "checkbox", {328, 280, 81, 17}, "Réponses", Sans, 8.25, true, QString(), QString());
        row("Suivant", "button", {256, 312, 73, 25}, "Suivant", Sans, 8.25, false, QString(), QString());
        row("Quitter", "button", {336, 312, 73, 25}, "Quitter", Sans, 8.25, false, QString(), QString());

        shape("Shape2", "rectangle", {424, 16, 369, 329}, QString());
        // Dial i: its circle, name label and value label.
        struct Dial { int circle; QRect box; QPoint name; QRect value; };
        const Dial dials[] = {
            {0, {552, 32, 105, 97}, {576, 48}, {584, 80, 41, 17}},
            {1, {496, 120, 105, 97}, {520, 136}, {528, 168, 41, 17}},
            {5, {616, 120, 105, 97}, {640, 136}, {648, 168, 41, 17}},
            {3, {440, 224, 113, 97}, {472, 240}, {480, 272, 41, 17}},
            {2, {560, 224, 97, 97}, {584, 240}, {592, 272, 49, 17}},
            {4, {672, 224, 105, 97}, {696, 240}, {704, 272, 41, 17}},
        };
        for (int i = 1; i <= 6; ++i) {
            const Dial &d = dials[i - 1];
            const QString n = QString::number(i);
            shape("Shape1_" + QString::number(d.circle), "circle", d.box, QString());
            row("Param" + n, "label", QRect(d.name, QSize(57, 17)), "Parameter" + n, Comic, 9.75, true,
                QString(), Transparent);
            row("Valu" + n, "label", d.value, "Val" + n, Comic, 11.25, true, ButtonText, Transparent);
        }
    }
    void controlBeforeLoad()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(QString, substitute);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(QString, ink);
        QFETCH(QString, paper);

        FakeHost host;
        SeededDraws draws(1);
        // The state before the load step; nothing here may run the event loop.
        Form1 form(host, draws, Form1::LoadStep::Skip);
        QWidget *w = widget(form, name);
        QVERIFY(w);
        QCOMPARE(w->parentWidget(), static_cast<QWidget *>(&form));
        QCOMPARE(w->geometry(), geometry);
        QVERIFY(!w->isHidden());
        QVERIFY(w->isEnabled());

        if (kind == "rectangle" || kind == "circle") {
            const auto *s = qobject_cast<ShapeWidget *>(w);
            QVERIFY(s);
            QCOMPARE(s->kind(), kind == "circle" ? ShapeWidget::Kind::Circle : ShapeWidget::Kind::Rectangle);
            QCOMPARE(s->fill().has_value(), paper == White);
            if (paper == White)
                QCOMPARE(*s->fill(), QColor(Qt::white));
            QCOMPARE(w->focusPolicy(), Qt::NoFocus);
            return;
        }
        if (kind == "picture") {
            const auto *picture = qobject_cast<QLabel *>(w);
            QVERIFY(picture);
            QCOMPARE(picture->pixmap().size(), QSize(150, 50));
            QVERIFY(picture->hasScaledContents());
            return;
        }

        if (kind == "label") {
            const auto *label = qobject_cast<QLabel *>(w);
            QVERIFY(label);
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
            QVERIFY(!label->wordWrap());
            QCOMPARE(w->focusPolicy(), Qt::NoFocus);
        } else if (kind == "checkbox") {
            QVERIFY(qobject_cast<QCheckBox *>(w));
            QVERIFY(!qobject_cast<QCheckBox *>(w)->isChecked());
        } else if (kind == "button") {
            QVERIFY(qobject_cast<QPushButton *>(w));
        } else {
            QVERIFY(qobject_cast<RichTextBox *>(w));
        }
        QCOMPARE(shownText(w), text);

        const QFont font = w->font();
        QCOMPARE(font.family(), family);
        QCOMPARE(QFontInfo(font).family(), substitute);
        // Sized in the layout's pixels: a point at 96 dpi is 4/3 of a pixel.
        QCOMPARE(font.pixelSize(), qRound(points * 96.0 / 72.0));
        QCOMPARE(font.bold(), bold);

        const QPalette palette = w->palette();
        if (ink == ButtonText)
            QCOMPARE(palette.color(QPalette::WindowText), palette.color(QPalette::ButtonText));
        else if (!ink.isEmpty())
            QCOMPARE(palette.color(QPalette::WindowText), QColor(ink));
        if (paper == White) {
            QVERIFY(w->autoFillBackground());
            QCOMPARE(palette.color(QPalette::Window), QColor(Qt::white));
        } else if (paper == Transparent) {
            QVERIFY(!w->autoFillBackground());
        }
    }

    void timerBeforeAndAfterLoad()
    {
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws, Form1::LoadStep::Skip);
        auto *timer = form.findChild<QTimer *>("Timer1");
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        form.Form_Load();
        QVERIFY(!timer->isActive());
    }

    void windowFrame()
    {
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        QCOMPARE(form.size(), QSize(804, 356));
        QCOMPARE(form.minimumSize(), QSize(804, 356));
        QCOMPARE(form.maximumSize(), QSize(804, 356));
        QVERIFY(form.windowTitle().startsWith("Test Quovale - par "));
        QVERIFY(form.windowTitle().size() > QStringLiteral("Test Quovale - par ").size());
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(form.font().family(), Sans);
        QCOMPARE(form.font().pixelSize(), 11);
        QVERIFY(!form.font().bold());
        QCOMPARE(form.palette().color(QPalette::Window), form.palette().color(QPalette::Button));

        // Dragging a border can ask for any size; the window keeps its own.
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.resize(1000, 500);
        QCOMPARE(form.size(), QSize(804, 356));
        QCOMPARE(widget(form, "Quitter")->geometry(), QRect(336, 312, 73, 25));
    }

    // Long names and values are cut at the label's edge; nothing moves.
    void longTextKeepsLabelSize_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"Param1", "Param4", "Valu5", "Valu6", "Quest3", "ScoreShow"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void longTextKeepsLabelSize()
    {
        QFETCH(QString, name);
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *label = control<QLabel>(form, name);
        QVERIFY(label);
        const QRect before = label->geometry();
        label->setText(QStringLiteral("Altitude Altitude Altitude 123456789"));
        label->show();
        QCoreApplication::processEvents();
        QCOMPARE(label->geometry(), before);
        QCOMPARE(form.size(), QSize(804, 356));
    }

    void stacking_data()
    {
        QTest::addColumn<QStringList>("upper");
        QTest::addColumn<QStringList>("lower");
        const QStringList circles = numbered("Shape1_", 0, 5);
        const QStringList labels = QStringList{"Label1", "Label2", "ScoreShow", "Temps"} + numbered("Param", 1, 6)
                                   + numbered("Valu", 1, 6) + numbered("Quest", 1, 3);
        const QStringList controls = numbered("cckInput", 1, 3)
                                     + QStringList{"cckAnswers", "Suivant", "Quitter", "rtfAnswer"};
        QTest::newRow("controls above drawn items")
            << controls << labels + circles + QStringList{"Image1", "Shape2", "Shape3"};
        QTest::newRow("labels and picture above circles") << labels + QStringList{"Image1"} << circles;
        QTest::newRow("circles above chart frame") << circles << QStringList{"Shape2"};
        QTest::newRow("header box behind its contents")
            << QStringList{"Label1", "Label2", "Image1", "ScoreShow", "Temps"} << QStringList{"Shape3"};
    }
    void stacking()
    {
        QFETCH(QStringList, upper);
        QFETCH(QStringList, lower);
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        // Later siblings are painted over earlier ones.
        for (const QString &top : upper) {
            for (const QString &bottom : lower) {
                const int t = stackIndex(form, top);
                const int b = stackIndex(form, bottom);
                QVERIFY(t >= 0 && b >= 0);
                QVERIFY2(t > b, qPrintable(top + " is not above " + bottom));
            }
        }
    }

    void focusOrder_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QString>("to");
        const QStringList order = {"Suivant", "cckInput1", "cckInput2", "cckInput3",
                                   "rtfAnswer", "Quitter", "cckAnswers"};
        for (int i = 0; i < order.size(); ++i) {
            const QString &next = order.at((i + 1) % order.size());
            QTest::addRow("Tab from %s", qPrintable(order.at(i))) << order.at(i) << false << next;
            QTest::addRow("Shift+Tab from %s", qPrintable(next)) << next << true << order.at(i);
        }
    }
    void focusOrder()
    {
        QFETCH(QString, from);
        QFETCH(bool, backwards);
        QFETCH(QString, to);
        FakeHost host;
        SeededDraws draws(3);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        startTest(form);
        QWidget *start = widget(form, from);
        QVERIFY(start && start->isEnabled());
        start->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), start);
        if (backwards)
            QTest::keyClick(start, Qt::Key_Tab, Qt::ShiftModifier);
        else
            QTest::keyClick(start, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), widget(form, to));
    }

    void waitingStateControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("enabled");
        for (int i = 1; i <= 6; ++i) {
            QTest::addRow("Param%d", i) << QString("Param%1").arg(i) << QString() << true << true;
            QTest::addRow("Valu%d", i) << QString("Valu%1").arg(i) << QString() << true << true;
        }
        for (int i = 1; i <= 3; ++i) {
            QTest::addRow("Quest%d", i) << QString("Quest%1").arg(i) << QString() << false << true;
            QTest::addRow("cckInput%d", i) << QString("cckInput%1").arg(i)
                                           << QString("abc").mid(i - 1, 1) + ")" << true << false;
        }
        QTest::newRow("cckAnswers") << "cckAnswers" << "Réponses" << true << false;
        QTest::newRow("Suivant") << "Suivant" << "Commencer" << true << true;
        QTest::newRow("Quitter") << "Quitter" << "Quitter" << true << true;
        QTest::newRow("ScoreShow") << "ScoreShow" << "Score : 0 / 0" << true << true;
        QTest::newRow("Temps") << "Temps" << TempsAtStart << true << true;
        QTest::newRow("Label1") << "Label1" << "Sélection Pilotes" << true << true;
        QTest::newRow("rtfAnswer") << "rtfAnswer" << Invitation << true << true;
    }
    void waitingStateControls()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, shown);
        QFETCH(bool, enabled);
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWidget *w = widget(form, name);
        QVERIFY(w);
        QCOMPARE(shownText(w), text);
        QCOMPARE(w->isVisible(), shown);
        QCOMPARE(w->isEnabled(), enabled);
        if (const auto *box = qobject_cast<QCheckBox *>(w))
            QVERIFY(!box->isChecked());
    }

    void waitingStateMembers()
    {
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        QCOMPARE(control<RichTextBox>(form, "rtfAnswer")->text().size(), 57);
        QCOMPARE(int(form.Score), 0);
        QCOMPARE(int(form.QuestionNumber), 0);
        QCOMPARE(int(form.FirstStart), -1);
        QCOMPARE(form.TimeLeftMs, 840000.0f);
        QCOMPARE(int(form.ScreenResult), 0);
        QCOMPARE(int(form.MinutesLeft), 0);
        QCOMPARE(int(form.SecondsLeft), 0);
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(int(form.AnswerKey(k)), 0);
            QVERIFY(form.Statements(k).isEmpty());
        }
        QVERIFY(!form.findChild<QTimer *>("Timer1")->isActive());
        QCOMPARE(draws.drawn, 0);
        QVERIFY(host.messages.isEmpty());
        QCOMPARE(host.endRequests, 0);
    }

    void focusOnCommencerAtShow()
    {
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTRY_COMPARE(QApplication::focusWidget(), widget(form, "Suivant"));
    }

    // The same click that does nothing while waiting works once the test runs.
    void disabledBoxesIgnoreClicks_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"cckInput1", "cckInput2", "cckInput3", "cckAnswers"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void disabledBoxesIgnoreClicks()
    {
        QFETCH(QString, name);
        FakeHost host;
        SeededDraws draws(11);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *box = control<QCheckBox>(form, name);
        QVERIFY(box);
        const QPoint onIndicator(6, box->height() / 2);

        QTest::mouseClick(box, Qt::LeftButton, {}, onIndicator);
        QVERIFY(!box->isChecked());
        for (int k = 1; k <= 3; ++k)
            QVERIFY(!widget(form, QString("Quest%1").arg(k))->isVisible());
        QCOMPARE(int(form.ScreenResult), 0);
        QCOMPARE(int(form.QuestionNumber), 0);
        QCOMPARE(draws.drawn, 0);
        QCOMPARE(shownText(widget(form, "rtfAnswer")), Invitation);

        startTest(form);
        QTest::mouseClick(box, Qt::LeftButton, {}, onIndicator);
        QVERIFY(box->isChecked());
    }

    void spaceOnCommencerStarts()
    {
        FakeHost host;
        SeededDraws draws(8);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTRY_COMPARE(QApplication::focusWidget(), widget(form, "Suivant"));
        QVERIFY(pressOnFocus(Qt::Key_Space));
        QCOMPARE(shownText(widget(form, "Suivant")), QString("Suivant"));
        QCOMPARE(int(form.QuestionNumber), 1);
        QVERIFY(draws.drawn > 0);
        QVERIFY(form.findChild<QTimer *>("Timer1")->isActive());
    }

    void escapeKeepsWindow_data()
    {
        QTest::addColumn<bool>("running");
        QTest::newRow("waiting") << false;
        QTest::newRow("running") << true;
    }
    void escapeKeepsWindow()
    {
        QFETCH(bool, running);
        FakeHost host;
        SeededDraws draws(9);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        if (running)
            startTest(form);
        const int question = form.QuestionNumber;
        QVERIFY(pressOnFocus(Qt::Key_Escape));
        QCoreApplication::processEvents();
        QCOMPARE(host.endRequests, 0);
        QVERIFY(host.messages.isEmpty());
        QVERIFY(form.isVisible());
        QCOMPARE(int(form.QuestionNumber), question);
    }

    void enterOnCheckBoxDoesNotPressSuivant_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        for (const char *name : {"cckInput1", "cckInput2", "cckInput3", "cckAnswers"}) {
            QTest::addRow("Return on %s", name) << QString::fromLatin1(name) << int(Qt::Key_Return);
            QTest::addRow("Enter on %s", name) << QString::fromLatin1(name) << int(Qt::Key_Enter);
        }
    }
    void enterOnCheckBoxDoesNotPressSuivant()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        FakeHost host;
        SeededDraws draws(10);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        startTest(form);
        QCOMPARE(int(form.QuestionNumber), 1);
        const int drawn = draws.drawn;
        QWidget *box = widget(form, name);
        box->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), box);
        QVERIFY(pressOnFocus(Qt::Key(key)));
        QCoreApplication::processEvents();
        QCOMPARE(int(form.QuestionNumber), 1);
        QCOMPARE(draws.drawn, drawn);
        QCOMPARE(host.endRequests, 0);
    }

    void closingEndsProgram_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("byQuitter");
        QTest::newRow("close box while waiting") << false << false;
        QTest::newRow("Quitter while waiting") << false << true;
        QTest::newRow("close box during the test") << true << false;
    }
    void closingEndsProgram()
    {
        QFETCH(bool, running);
        QFETCH(bool, byQuitter);
        FakeHost host;
        SeededDraws draws(12);
        Form1 form(host, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *timer = form.findChild<QTimer *>("Timer1");
        if (running) {
            startTest(form);
            QVERIFY(timer->isActive());
        }
        if (byQuitter)
            QTest::mouseClick(control<QPushButton>(form, "Quitter"), Qt::LeftButton);
        else
            QVERIFY(form.close());
        QCOMPARE(host.endRequests, 1);
        QVERIFY(host.messages.isEmpty());
        QVERIFY(!timer->isActive());
    }
};

QUOVALE_TEST_MAIN(LayoutTest)
#include "tst_layout.moc"
