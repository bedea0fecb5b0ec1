// Paints the Test Quovale logo: a jet climbing over a pale blue sky, with
// the program's name beside it. The logo is drawn in the 150 x 50 units of
// resources/logo.png, so that any scale comes out of the same drawing;
// resources/logo@2x.png is its output at scale 2:
//     logo_painter 2 resources/logo@2x.png

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

const QColor Navy(0x00, 0x00, 0x80);
const QColor Red(0xC0, 0x00, 0x00);

// The jet seen from above, nose up, centred on its wings.
QPainterPath jet()
{
    // The fuselage bends a little where the wings meet it.
    QPainterPath body;
    body.moveTo(-2.5, 16.5);
    body.lineTo(-2.5, 2);
    body.lineTo(-4.5, -9);
    body.lineTo(-4.5, -16.5);
    body.arcTo(QRectF(-4.5, -19.5, 6, 6), 180, -180);
    body.lineTo(1.5, -9);
    body.lineTo(3.5, 2);
    body.lineTo(3.5, 16.5);
    body.closeSubpath();

    // One outline for the whole jet. Every part reaches into the fuselage,
    // so that no sliver of sky shows between them.
    QPainterPath path = body;
    const auto addPolygon = [&path](std::initializer_list<QPointF> points) {
        QPainterPath part;
        part.addPolygon(QPolygonF(points));
        part.closeSubpath();
        path = path.united(part);
    };
    // The wings, the left one lower: the jet banks as it climbs.
    addPolygon({{0, -6}, {-4, -6}, {-18.5, 2}, {-17, 4.5}, {-12, 3.2}, {-4, 1}, {0, 1}});
    addPolygon({{0, -6}, {2, -6}, {17.5, -0.8}, {17.5, 1.8}, {10.5, 1.3}, {2, 0.4}, {0, 0.4}});
    // The tailplane.
    addPolygon({{0, 11.5}, {-3, 11.5}, {-6.5, 16.5}, {-5.5, 18}, {-3, 16.5}, {0, 16.5}});
    addPolygon({{0, 11.5}, {2, 11.5}, {9.5, 15}, {9.5, 16.8}, {2, 16}, {0, 16}});
    return path;
}

void paintLogo(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, 50);
    sky.setColorAt(0, QColor(0xDD, 0xE8, 0xFF));
    sky.setColorAt(1, QColor(0xFF, 0xFF, 0xFF));
    painter.fillRect(QRectF(0, 0, 150, 50), sky);

    // The trail left behind the wing tip.
    painter.setPen(QPen(QColor(0x00, 0x00, 0x80, 0x90), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13.5, 37.5), QPointF(2.5, 46.5));

    painter.save();
    painter.translate(27, 26);
    painter.rotate(-30);
    painter.fillPath(jet(), Navy);
    painter.restore();

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(17);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Navy);
    painter.drawText(QPointF(50, 21), QStringLiteral("Test"));
    painter.setPen(Red);
    painter.drawText(QPointF(50, 41), QStringLiteral("Quovale"));

    // The frame: four lines with flat ends, which leave the very corners
    // a little lighter.
    painter.setPen(QPen(Navy, 1.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(0.5, 0.5), QPointF(149.5, 0.5));
    painter.drawLine(QPointF(149.5, 0.5), QPointF(149.5, 49.5));
    painter.drawLine(QPointF(149.5, 49.5), QPointF(0.5, 49.5));
    painter.drawLine(QPointF(0.5, 49.5), QPointF(0.5, 0.5));
}

} // namespace

int main(int argc, char *argv[])
{
    // It draws into a picture only: no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SCALE OUTPUT.png\n", argv[0]);
        return 2;
    }
    const int scale = QString::fromLocal8Bit(argv[1]).toInt();
    if (scale < 1) {
        std::fprintf(stderr, "scale must be a whole number from 1 up\n");
        return 2;
    }
    QImage image(150 * scale, 50 * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintLogo(painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
