// One presentation whatever the desktop: a dark desktop's palette does not
// reach the window or its message box, and the desktop's own message box
// and ending of the program behave as the window expects of its Host.

#include "support/test_support.h"

#include "app/desktop_host.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "window/widgets/rich_text_box.h"

namespace {

// What a dark desktop theme hands the application before any window exists.
QPalette darkDesktopPalette()
{
    QPalette dark(QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    return dark;
}

// The window with question 1 of a fixed test on show, "Réponses" ticked.
QImage questionPicture(Form1 &form)
{
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return {};
    pressSuivant(form);
    QTest::mouseClick(control<QCheckBox>(form, "cckAnswers"), Qt::LeftButton);
    return form.grab().toImage();
}

// Runs `open`, which must open a modal box; `inspect` reads it and closes it.
// Fails rather than hangs if no box comes.
void whileModal(const std::function<void()> &open, const std::function<void(QMessageBox *)> &inspect)
{
    bool seen = false;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            poll.stop();
            seen = true;
            inspect(box);
            box->close();
        } else if (clock.elapsed() > 5000) {
            poll.stop();
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(w))
                    box->close();
        }
    });
    poll.start(10);
    open();
    QVERIFY2(seen, "no modal message box came up");
}

} // namespace

class AppearanceTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { app::configure(); }

    void darkDesktopLeavesTheWindowAsItIs()
    {
        FakeHost host;
        SeededDraws plainDraws(31);
        Form1 plain(host, plainDraws);
        const QImage expected = questionPicture(plain);

        QApplication::setPalette(darkDesktopPalette());
        app::configure();
        SeededDraws darkDraws(31);
        Form1 form(host, darkDraws);
        const QImage shown = questionPicture(form);
        QVERIFY(!shown.isNull());
        QVERIFY2(shown == expected, "the window differs on a dark desktop");

        const auto *question = control<RichTextBox>(form, "rtfAnswer");
        QCOMPARE(question->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(question->colorAt(0), QColor(Qt::black));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(0xef, 0xef, 0xef));
        QCOMPARE(control<QLabel>(form, "Valu1")->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(control<QLabel>(form, "Label1")->palette().color(QPalette::Window), QColor(Qt::white));
    }

    // The desktop's box: the text, the application title, one OK button,
    // no icon, modal over the window, in the window's colours.
    void desktopMessageBox()
    {
        QApplication::setPalette(darkDesktopPalette());
        app::configure();
        FakeHost fake;
        SeededDraws draws(3);
        Form1 form(fake, draws);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DesktopHost host;
        host.setParentWindow(&form);
        const QString text = QStringLiteral("Vous avez répondu toutes les questions en 2 minute(s) et  5 seconde(s)\r\n"
                                            "Vous avez  3 réponses justes");
        whileModal([&] { host.showMessage(text); }, [&](QMessageBox *box) {
            QCOMPARE(box->windowTitle(), QStringLiteral("Test Quovale"));
            QCOMPARE(box->text(), text);
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->buttons().size(), 1);
            QVERIFY(box->button(QMessageBox::Ok));
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QVERIFY(box->isModal());
            QCOMPARE(box->parentWidget(), static_cast<QWidget *>(&form));
            QCOMPARE(box->palette().color(QPalette::Window), QColor(0xef, 0xef, 0xef));
            QCOMPARE(box->palette().color(QPalette::WindowText), QColor(Qt::black));
        });
    }

    // Ending the program leaves the event loop with status 0.
    void desktopEndOfProgram()
    {
        DesktopHost host;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] { host.endProgram(); });
        QTimer::singleShot(5000, &loop, [&] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
    }

    void windowIcon()
    {
        FakeHost host;
        SeededDraws draws(1);
        Form1 form(host, draws);
        const QIcon icon = form.windowIcon();
        for (int size : {16, 32, 48, 256})
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));
    }
};

QUOVALE_TEST_MAIN(AppearanceTest)

#include "tst_appearance.moc"
