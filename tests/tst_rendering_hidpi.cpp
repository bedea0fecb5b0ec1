// The window on a screen of two device pixels per pixel (QT_SCALE_FACTOR=2,
// set in main before the application is built): the same layout at twice
// the size, outlines drawn at the screen's resolution and the logo from its
// large picture. Whether the texts still fit is tst_text_fit's part.

#include "support/expected.h"
#include "support/window_test.h"

#include <QImage>
#include <QPixmap>

#include <cmath>

namespace {

bool isLight(QRgb pixel) { return qGray(pixel) > 200; }

// The mean difference per channel of two images of the same size.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size())
        return 255;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

} // namespace

class HiDpiRenderingTest : public WindowTest
{
    Q_OBJECT

private:
    QImage grabWindow()
    {
        if (!QTest::qWaitForWindowExposed(&window()))
            return {};
        return window().grab().toImage();
    }

private slots:
    void windowAtTwiceTheSize()
    {
        const QImage image = grabWindow();
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(image.size(), 2 * expected::WindowSize);
    }

    // A 1-pixel frame line at x (or y) = p covers device pixels 2p and
    // 2p + 1, and nothing either side.
    void framesAtTwiceTheSize_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("along");

        const std::pair<const char *, QRect> frames[] = {{"header", expected::HeaderBox}, {"chart", expected::ChartFrame}};
        for (const auto &[name, frame] : frames) {
            const QPoint centre = frame.center();
            QTest::addRow("%s left", name) << true << frame.left() << centre.y();
            QTest::addRow("%s right", name) << true << frame.right() << centre.y();
            QTest::addRow("%s top", name) << false << frame.top() << centre.x();
            QTest::addRow("%s bottom", name) << false << frame.bottom() << centre.x();
        }
    }

    void framesAtTwiceTheSize()
    {
        QFETCH(bool, vertical);
        QFETCH(int, line);
        QFETCH(int, along);

        const QImage image = grabWindow();
        const auto at = [&](int across) {
            return vertical ? image.pixel(across, 2 * along) : image.pixel(2 * along, across);
        };
        QVERIFY(isDark(at(2 * line)));
        QVERIFY(isDark(at(2 * line + 1)));
        QVERIFY(isLight(at(2 * line - 1)));
        QVERIFY(isLight(at(2 * line + 2)));
    }

    // Each circle's outline, 2 device pixels thick, is solid and clean at
    // its four extreme points and smoothed along its slopes.
    void circlesCrisp_data()
    {
        QTest::addColumn<QRect>("box");
        for (int k = 0; k <= 5; ++k)
            QTest::addRow("Shape1(%d)", k) << expected::CircleBoxes[k];
    }

    void circlesCrisp()
    {
        QFETCH(QRect, box);
        const QImage image = grabWindow();

        // In device pixels: the circle's square and its centre.
        const int side = 2 * std::min(box.width(), box.height());
        const int left = 2 * box.x() + (2 * box.width() - side) / 2;
        const int top = 2 * box.y() + (2 * box.height() - side) / 2;
        const int middle = side / 2;
        for (int offset : {middle - 1, middle}) {
            QVERIFY(isDark(image.pixel(left, top + offset)) && isDark(image.pixel(left + 1, top + offset)));
            QVERIFY(isLight(image.pixel(left - 1, top + offset)) && isLight(image.pixel(left + 2, top + offset)));
            const int right = left + side - 1;
            QVERIFY(isDark(image.pixel(right, top + offset)) && isDark(image.pixel(right - 1, top + offset)));
            QVERIFY(isLight(image.pixel(right + 1, top + offset)) && isLight(image.pixel(right - 2, top + offset)));
            QVERIFY(isDark(image.pixel(left + offset, top)) && isDark(image.pixel(left + offset, top + 1)));
            QVERIFY(isLight(image.pixel(left + offset, top - 1)) && isLight(image.pixel(left + offset, top + 2)));
        }

        // Along the diagonal from the centre to the top-left, the outline is
        // crossed within a few device pixels, some of them partly covered:
        // smoothed, yet not blurred. (Further out the diagonal may meet a
        // neighbouring circle.)
        const int crossing = static_cast<int>(std::lround((middle - 1) / std::sqrt(2.0)));
        int partial = 0, touched = 0;
        for (int t = crossing - 5; t <= crossing + 5; ++t) {
            const int gray = qGray(image.pixel(left + middle - t, top + middle - t));
            if (gray < 235)
                ++touched;
            if (gray >= 80 && gray < 235)
                ++partial;
        }
        QVERIFY2(partial >= 1, "the outline's slope should be smoothed");
        QVERIFY2(touched <= 3, qPrintable(QString("the outline spreads over %1 device pixels").arg(touched)));
    }

    // The logo comes from its 300 x 100 picture scaled down to the box, not
    // from the 150 x 50 one scaled up.
    void logoSharp()
    {
        const QImage shown = grabWindow().copy(QRect(2 * 280, 2 * 24, 2 * 110, 2 * 33));

        // Read as the label reads its picture, through a pixmap.
        const auto picture = [](const char *path) { return QPixmap(QString::fromLatin1(path)).toImage(); };
        const QImage large = picture(":/logo@2x.png");
        const QImage small = picture(":/logo.png");
        QCOMPARE(large.size(), QSize(300, 100));
        QCOMPARE(small.size(), QSize(150, 50));
        // The large picture is the small one drawn again, at twice the size.
        const double redrawn = meanDifference(large.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), small);
        QVERIFY2(redrawn < 4, qPrintable(QString::number(redrawn)));

        const QSize device = shown.size();
        const auto difference = [&](const QImage &source, Qt::TransformationMode mode) {
            return meanDifference(shown, source.scaled(device, Qt::IgnoreAspectRatio, mode));
        };
        const double fromLarge = difference(large, Qt::SmoothTransformation);
        const double fromSmallSmooth = difference(small, Qt::SmoothTransformation);
        const double fromSmallNearest = difference(small, Qt::FastTransformation);
        const QString report = QString("from 300x100 %1, 150x50 smooth %2, 150x50 nearest %3")
                                   .arg(fromLarge).arg(fromSmallSmooth).arg(fromSmallNearest);
        QVERIFY2(fromLarge < 1.5, qPrintable(report));
        QVERIFY2(fromSmallSmooth > fromLarge + 2 && fromSmallNearest > fromLarge + 2, qPrintable(report));
        QCOMPARE(control<QLabel>(window(), "Image1")->pixmap().deviceIndependentSize(), QSizeF(150, 50));
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    app::configure();
    HiDpiRenderingTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_rendering_hidpi.moc"
