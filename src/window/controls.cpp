// Every control of the window with its place, size, text, face and colours,
// made back to front: each control is stacked above those made before it.

#include "window/form1.h"
#include "window/widgets/rich_text_box.h"
#include "window/widgets/shape_widget.h"
#include "window/widgets/text_color.h"
#include "window/window_fonts.h"

#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace {

const QColor Navy(0x00, 0x00, 0x80);
const QColor Grey(0x80, 0x80, 0x80);

template <typename Control>
Control *placed(Control *control, const QString &name, const QRect &geometry)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

ShapeWidget *makeShape(QWidget *parent, ShapeWidget::Kind kind, const QString &name, const QRect &geometry)
{
    return placed(new ShapeWidget(kind, parent), name, geometry);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QRect &geometry, const QString &text,
                  const QFont &font)
{
    auto *label = placed(new QLabel(text, parent), name, geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    return label;
}

// The header's labels: coloured text on the white of the header box.
QLabel *makeHeaderLabel(QWidget *parent, const QString &name, const QRect &geometry, const QString &text,
                        const QFont &font, const QColor &ink)
{
    QLabel *label = makeLabel(parent, name, geometry, text, font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ink);
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

// Transparent labels whose text takes the button-text colour.
QLabel *makeButtonTextLabel(QWidget *parent, const QString &name, const QRect &geometry,
                            const QString &text, const QFont &font)
{
    QLabel *label = makeLabel(parent, name, geometry, text, font);
    setTextColor(label, label->palette().color(QPalette::ButtonText));
    return label;
}

QCheckBox *makeCheckBox(QWidget *parent, const QString &name, const QRect &geometry, const char *text)
{
    return placed(new QCheckBox(QString::fromUtf8(text), parent), name, geometry);
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QRect &geometry, const char *text)
{
    auto *button = placed(new QPushButton(QString::fromUtf8(text), parent), name, geometry);
    // Return presses the button that has the focus, and no other.
    button->setAutoDefault(true);
    return button;
}

// Where each dial's labels stand, by dial number 1..6.
struct DialPlace {
    QPoint name;
    QRect level;
};
const DialPlace DialPlaces[] = {
    {{576, 48}, {584, 80, 41, 17}},   // 1 top
    {{520, 136}, {528, 168, 41, 17}}, // 2 middle row, left
    {{640, 136}, {648, 168, 41, 17}}, // 3 middle row, right
    {{472, 240}, {480, 272, 41, 17}}, // 4 bottom row, left
    {{584, 240}, {592, 272, 49, 17}}, // 5 bottom row, centre
    {{696, 240}, {704, 272, 41, 17}}, // 6 bottom row, right
};

// The circles' boxes, by circle number 0..5 (not the dial number).
const QRect CircleBoxes[] = {
    {552, 32, 105, 97}, {496, 120, 105, 97}, {560, 224, 97, 97},
    {440, 224, 113, 97}, {672, 224, 105, 97}, {616, 120, 105, 97},
};

} // namespace

void Form1::buildControls()
{
    using windowfonts::make;
    const QFont arialTitle = make(windowfonts::Arial, 16, true);
    const QFont arialSubtitle = make(windowfonts::Arial, 13, true);
    const QFont comicName = make(windowfonts::Comic, 13, true);
    const QFont comicValue = make(windowfonts::Comic, 15, true);
    const QFont sansBold = make(windowfonts::SansSerif, 13, true);
    const QFont sansSmallBold = make(windowfonts::SansSerif, 11, true);

    Shape3 = makeShape(this, ShapeWidget::Kind::Rectangle, QStringLiteral("Shape3"), {8, 16, 401, 81});
    Shape3->setFill(Qt::white);
    Shape2 = makeShape(this, ShapeWidget::Kind::Rectangle, QStringLiteral("Shape2"), {424, 16, 369, 329});
    for (int k = 0; k <= 5; ++k)
        Shape1(k) = makeShape(this, ShapeWidget::Kind::Circle, QStringLiteral("Shape1_%1").arg(k), CircleBoxes[k]);

    Image1 = placed(new QLabel(this), QStringLiteral("Image1"), {280, 24, 110, 33});
    // Where a pixel is several device pixels, the picture drawn at twice
    // the size is scaled down to the box instead of the small one up.
    Image1->setPixmap(QPixmap(devicePixelRatioF() > 1 ? QStringLiteral(":/logo@2x.png")
                                                      : QStringLiteral(":/logo.png")));
    Image1->setScaledContents(true);

    Label1 = makeHeaderLabel(this, QStringLiteral("Label1"), {144, 32, 137, 17}, QStringLiteral("Sélection Pilotes"),
                             arialTitle, Navy);
    Label2 = makeHeaderLabel(this, QStringLiteral("Label2"), {304, 64, 89, 17}, QStringLiteral("Test Quovale"), arialSubtitle,
                             Navy);
    ScoreShow = makeHeaderLabel(this, QStringLiteral("ScoreShow"), {16, 48, 81, 17}, QStringLiteral("Score : 0 / 0"), font(),
                                Grey);
    Temps = makeHeaderLabel(this, QStringLiteral("Temps"), {16, 72, 161, 17}, QStringLiteral("Temps restant 14 ' 00 \""), font(),
                            Grey);

    for (int i = 1; i <= 6; ++i) {
        Param(i) = makeLabel(this, QStringLiteral("Param%1").arg(i),
                             QRect(DialPlaces[i - 1].name, QSize(57, 17)),
                             QStringLiteral("Parameter%1").arg(i), comicName);
    }
    for (int i = 1; i <= 6; ++i) {
        Valu(i) = makeButtonTextLabel(this, QStringLiteral("Valu%1").arg(i), DialPlaces[i - 1].level,
                                      QStringLiteral("Val%1").arg(i), comicValue);
    }
    Quest(1) = makeButtonTextLabel(this, QStringLiteral("Quest1"), {48, 280, 57, 17}, QStringLiteral("Quest1"), sansBold);
    Quest(2) = makeButtonTextLabel(this, QStringLiteral("Quest2"), {136, 280, 65, 17}, QStringLiteral("Quest2"), sansBold);
    Quest(3) = makeButtonTextLabel(this, QStringLiteral("Quest3"), {224, 280, 65, 25}, QStringLiteral("Quest3"), sansBold);

    rtfAnswer = placed(new RichTextBox(this), QStringLiteral("rtfAnswer"), {8, 112, 401, 161});
    rtfAnswer->setText(QStringLiteral("RichTextBox1"));
    rtfAnswer->setFont(comicName);

    cckInput(1) = makeCheckBox(this, QStringLiteral("cckInput1"), {16, 280, 33, 17}, "a)");
    cckInput(2) = makeCheckBox(this, QStringLiteral("cckInput2"), {104, 280, 33, 17}, "b)");
    cckInput(3) = makeCheckBox(this, QStringLiteral("cckInput3"), {192, 280, 33, 17}, "c)");
    cckAnswers = makeCheckBox(this, QStringLiteral("cckAnswers"), {328, 280, 81, 17}, "Réponses");
    cckAnswers->setFont(sansSmallBold);

    Suivant = makeButton(this, QStringLiteral("Suivant"), {256, 312, 73, 25}, "Suivant");
    Quitter = makeButton(this, QStringLiteral("Quitter"), {336, 312, 73, 25}, "Quitter");

    setTabOrder(Suivant, cckInput(1));
    setTabOrder(cckInput(1), cckInput(2));
    setTabOrder(cckInput(2), cckInput(3));
    setTabOrder(cckInput(3), rtfAnswer);
    setTabOrder(rtfAnswer, Quitter);
    setTabOrder(Quitter, cckAnswers);
    Suivant->setFocus();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(1);
    Timer1->start();
}
