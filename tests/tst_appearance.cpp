// One presentation whatever the desktop: a dark desktop's palette does not
// reach the window or its message box, and the desktop's own message box
// and ending of the program behave as the window expects of its Host.

#include "app/desktop_host.h"
#include "support/expected.h"
#include "support/window_test.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QMessageBox>

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

class AppearanceTest : public WindowTest
{
    Q_OBJECT

private:
    // A new window with question 1 of a fixed test on show, "Réponses" ticked.
    QImage questionPicture()
    {
        seeded.seed(31);
        Form1 &form = makeWindow(seeded);
        if (!QTest::qWaitForWindowExposed(&form))
            return {};
        pressSuivant();
        QTest::mouseClick(answersBox(), Qt::LeftButton);
        return form.grab().toImage();
    }

private slots:
    void cleanup()
    {
        WindowTest::cleanup();
        app::configure();
    }

    void darkDesktopLeavesTheWindowAsItIs()
    {
        const QImage plain = questionPicture();

        QApplication::setPalette(darkDesktopPalette());
        app::configure();
        const QImage shown = questionPicture();
        QVERIFY(!shown.isNull());
        QVERIFY2(shown == plain, "the window differs on a dark desktop");

        QCOMPARE(questionBox()->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(questionBox()->colorAt(0), QColor(Qt::black));
        QCOMPARE(window().palette().color(QPalette::Window), QColor(0xef, 0xef, 0xef));
        QCOMPARE(valu(1)->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(control<QLabel>(window(), "Label1")->palette().color(QPalette::Window), QColor(Qt::white));
    }

    // The desktop's box: the text, the application title, one OK button,
    // no icon, modal over the window, in the window's colours.
    void desktopMessageBox()
    {
        QApplication::setPalette(darkDesktopPalette());
        app::configure();
        Form1 &form = window();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        DesktopHost desktop;
        desktop.setParentWindow(&form);
        const QString text = expected::closingMessage(2, 5, 3);
        whileModal([&] { desktop.showMessage(text); }, [&](QMessageBox *box) {
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
        DesktopHost desktop;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] { desktop.endProgram(); });
        QTimer::singleShot(5000, &loop, [&] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
    }

    void windowIcon()
    {
        const QIcon icon = window().windowIcon();
        for (int size : {16, 32, 48, 256})
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));
    }
};

QUOVALE_TEST_MAIN(AppearanceTest)

#include "tst_appearance.moc"
