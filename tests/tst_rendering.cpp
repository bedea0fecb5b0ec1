// Grabs the window as the candidate sees it, saves it for people to look at,
// and checks the pixels that the layout fixes.

#include "support/expected.h"
#include "support/window_test.h"

#include <QDir>
#include <QImage>

namespace {

QString artifactPath(const QString &file)
{
    const QString dir = qEnvironmentVariable("QUOVALE_ARTIFACTS", QDir::currentPath());
    return QDir(dir).filePath(file);
}

} // namespace

class RenderingTest : public WindowTest
{
    Q_OBJECT

private slots:
    void waitingState()
    {
        Form1 &form = window();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage image = form.grab().toImage();
        QCOMPARE(image.size(), expected::WindowSize);
        QVERIFY(image.save(artifactPath("quovale-waiting.png")));

        const QRgb background = image.pixel(415, 200);
        QVERIFY2(!isDark(background), "window background should be light");

        for (const QRect &box : expected::CircleBoxes) {
            const int side = std::min(box.width(), box.height());
            const int left = box.x() + (box.width() - side) / 2;
            const int top = box.y() + (box.height() - side) / 2;
            const int cx = left + side / 2;
            const int cy = top + side / 2;
            // Outline: a dark pixel near each of the four extreme points.
            const auto darkNear = [&](int x, int y) {
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy)
                        if (isDark(image.pixel(x + dx, y + dy)))
                            return true;
                return false;
            };
            QVERIFY2(darkNear(left, cy), qPrintable(QString("left edge of circle at %1,%2").arg(box.x()).arg(box.y())));
            QVERIFY2(darkNear(left + side - 1, cy), "right edge");
            QVERIFY2(darkNear(cx, top), "top edge");
            QVERIFY2(darkNear(cx, top + side - 1), "bottom edge");
            // No fill: inside the ring (and outside it, in the box's corners)
            // the window background shows.
            QCOMPARE(image.pixel(left + 6, cy), background);
            QCOMPARE(image.pixel(cx, top + side - 6), background);
            QCOMPARE(image.pixel(left + 2, top + 2), background);
        }

        // The header box is white inside, with a dark border; the chart is framed.
        const QRect header = expected::HeaderBox;
        QCOMPARE(image.pixel(120, 80), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(header.left() + 4, header.bottom() - 4), qRgb(255, 255, 255));
        for (const QRect &frame : {header, expected::ChartFrame}) {
            const QPoint centre = frame.center();
            QVERIFY(isDark(image.pixel(frame.left(), centre.y())));
            QVERIFY(isDark(image.pixel(frame.right(), centre.y())));
            QVERIFY(isDark(image.pixel(centre.x(), frame.top())));
            QVERIFY(isDark(image.pixel(centre.x(), frame.bottom())));
        }
    }

    void questionOnShow()
    {
        seeded.seed(2026);
        Form1 &form = window();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        pressSuivant();
        const QImage image = form.grab().toImage();
        QVERIFY(image.save(artifactPath("quovale-question.png")));

        // Each dial's name is drawn in its colour inside its circle.
        for (int i = 1; i <= 6; ++i) {
            const QColor ink = param(i)->palette().color(QPalette::WindowText);
            const QRect area = param(i)->geometry();
            bool found = false;
            for (int x = area.left(); x <= area.right() && !found; ++x)
                for (int y = area.top(); y <= area.bottom() && !found; ++y)
                    found = image.pixelColor(x, y) == ink;
            QVERIFY2(found, qPrintable(QString("no pixel of Param%1 in %2").arg(i).arg(ink.name())));
        }
    }
};

QUOVALE_TEST_MAIN(RenderingTest)
#include "tst_rendering.moc"
