#include "window/form1.h"

#include "window/fonts.h"
#include "window/host.h"
#include "window/widgets/rich_text_box.h"
#include "window/widgets/shape_widget.h"
#include "window/widgets/text_color.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

const QString WindowCaption = QStringLiteral("Test Quovale - par l'équipe Quovale, quovale.example.org");

enum class Kind { Rectangle, Circle, Picture, Label, RichText, CheckBox, Button };
enum class Ink { Standard, Navy, Grey, ButtonText };

struct FontSpec {
    const char *family;  // nullptr: the window's own font
    qreal pointSize;
    bool bold;
};
constexpr FontSpec WindowFont{nullptr, 0, false};
constexpr FontSpec ArialTitle{fonts::Arial, 12, true};
constexpr FontSpec ArialSubtitle{fonts::Arial, 9.75, true};
constexpr FontSpec ComicName{fonts::Comic, 9.75, true};
constexpr FontSpec ComicValue{fonts::Comic, 11.25, true};
constexpr FontSpec SansBold{fonts::SansSerif, 9.75, true};
constexpr FontSpec SansSmallBold{fonts::SansSerif, 8.25, true};

struct ControlRow {
    const char *name;
    Kind kind;
    int x, y, w, h;
    const char *text;
    FontSpec font;
    Ink ink;
    bool whitePaper;
};

// Every control, back to front: later rows are stacked above earlier ones.
constexpr ControlRow Layout[] = {
    {"Shape3", Kind::Rectangle, 8, 16, 401, 81, "", WindowFont, Ink::Standard, true},
    {"Shape2", Kind::Rectangle, 424, 16, 369, 329, "", WindowFont, Ink::Standard, false},
    {"Shape1_0", Kind::Circle, 552, 32, 105, 97, "", WindowFont, Ink::Standard, false},
    {"Shape1_1", Kind::Circle, 496, 120, 105, 97, "", WindowFont, Ink::Standard, false},
    {"Shape1_2", Kind::Circle, 560, 224, 97, 97, "", WindowFont, Ink::Standard, false},
    {"Shape1_3", Kind::Circle, 440, 224, 113, 97, "", WindowFont, Ink::Standard, false},
    {"Shape1_4", Kind::Circle, 672, 224, 105, 97, "", WindowFont, Ink::Standard, false},
    {"Shape1_5", Kind::Circle, 616, 120, 105, 97, "", WindowFont, Ink::Standard, false},
    {"Image1", Kind::Picture, 280, 24, 110, 33, "", WindowFont, Ink::Standard, false},
    {"Label1", Kind::Label, 144, 32, 137, 17, "Sélection Pilotes", ArialTitle, Ink::Navy, true},
    {"Label2", Kind::Label, 304, 64, 89, 17, "Test Quovale", ArialSubtitle, Ink::Navy, true},
    {"ScoreShow", Kind::Label, 16, 48, 81, 17, "Score : 0 / 0", WindowFont, Ink::Grey, true},
    {"Temps", Kind::Label, 16, 72, 161, 17, "Temps restant 14 ' 00 \"", WindowFont, Ink::Grey, true},
    {"Param1", Kind::Label, 576, 48, 57, 17, "Parameter1", ComicName, Ink::Standard, false},
    {"Param2", Kind::Label, 520, 136, 57, 17, "Parameter2", ComicName, Ink::Standard, false},
    {"Param3", Kind::Label, 640, 136, 57, 17, "Parameter3", ComicName, Ink::Standard, false},
    {"Param4", Kind::Label, 472, 240, 57, 17, "Parameter4", ComicName, Ink::Standard, false},
    {"Param5", Kind::Label, 584, 240, 57, 17, "Parameter5", ComicName, Ink::Standard, false},
    {"Param6", Kind::Label, 696, 240, 57, 17, "Parameter6", ComicName, Ink::Standard, false},
    {"Valu1", Kind::Label, 584, 80, 41, 17, "Val1", ComicValue, Ink::ButtonText, false},
    {"Valu2", Kind::Label, 528, 168, 41, 17, "Val2", ComicValue, Ink::ButtonText, false},
    {"Valu3", Kind::Label, 648, 168, 41, 17, "Val3", ComicValue, Ink::ButtonText, false},
    {"Valu4", Kind::Label, 480, 272, 41, 17, "Val4", ComicValue, Ink::ButtonText, false},
    {"Valu5", Kind::Label, 592, 272, 49, 17, "Val5", ComicValue, Ink::ButtonText, false},
    {"Valu6", Kind::Label, 704, 272, 41, 17, "Val6", ComicValue, Ink::ButtonText, false},
    {"Quest1", Kind::Label, 48, 280, 57, 17, "Quest1", SansBold, Ink::ButtonText, false},
    {"Quest2", Kind::Label, 136, 280, 65, 17, "Quest2", SansBold, Ink::ButtonText, false},
    {"Quest3", Kind::Label, 224, 280, 65, 25, "Quest3", SansBold, Ink::ButtonText, false},
    {"rtfAnswer", Kind::RichText, 8, 112, 401, 161, "RichTextBox1", ComicName, Ink::Standard, false},
    {"cckInput1", Kind::CheckBox, 16, 280, 33, 17, "a)", WindowFont, Ink::Standard, false},
    {"cckInput2", Kind::CheckBox, 104, 280, 33, 17, "b)", WindowFont, Ink::Standard, false},
    {"cckInput3", Kind::CheckBox, 192, 280, 33, 17, "c)", WindowFont, Ink::Standard, false},
    {"cckAnswers", Kind::CheckBox, 328, 280, 81, 17, "Réponses", SansSmallBold, Ink::Standard, false},
    {"Suivant", Kind::Button, 256, 312, 73, 25, "Suivant", WindowFont, Ink::Standard, false},
    {"Quitter", Kind::Button, 336, 312, 73, 25, "Quitter", WindowFont, Ink::Standard, false},
};

QWidget *makeControl(const ControlRow &row, QWidget *parent)
{
    const QString text = QString::fromUtf8(row.text);
    QWidget *widget = nullptr;
    switch (row.kind) {
    case Kind::Rectangle:
    case Kind::Circle: {
        auto *shape = new ShapeWidget(row.kind == Kind::Circle ? ShapeWidget::Kind::Circle
                                                               : ShapeWidget::Kind::Rectangle,
                                      parent);
        if (row.whitePaper)
            shape->setFill(Qt::white);
        widget = shape;
        break;
    }
    case Kind::Picture: {
        auto *picture = new QLabel(parent);
        // Where a pixel is several device pixels, the picture drawn at twice
        // the size is scaled down to the box instead of the small one up.
        picture->setPixmap(QPixmap(parent->devicePixelRatioF() > 1 ? QStringLiteral(":/logo@2x.png")
                                                                   : QStringLiteral(":/logo.png")));
        picture->setScaledContents(true);
        widget = picture;
        break;
    }
    case Kind::Label: {
        auto *label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
        break;
    }
    case Kind::RichText: {
        auto *box = new RichTextBox(parent);
        box->setText(text);
        widget = box;
        break;
    }
    case Kind::CheckBox:
        widget = new QCheckBox(text, parent);
        break;
    case Kind::Button: {
        auto *button = new QPushButton(text, parent);
        // Return presses the button that has the focus, and no other.
        button->setAutoDefault(true);
        widget = button;
        break;
    }
    }

    widget->setObjectName(QString::fromLatin1(row.name));
    widget->setGeometry(row.x, row.y, row.w, row.h);
    if (row.font.family)
        widget->setFont(fonts::make(row.font.family, row.font.pointSize, row.font.bold));

    switch (row.ink) {
    case Ink::Standard:
        break;
    case Ink::Navy:
        setTextColor(widget, QColor(0x00, 0x00, 0x80));
        break;
    case Ink::Grey:
        setTextColor(widget, QColor(0x80, 0x80, 0x80));
        break;
    case Ink::ButtonText:
        setTextColor(widget, widget->palette().color(QPalette::ButtonText));
        break;
    }
    if (row.whitePaper && row.kind == Kind::Label) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, Qt::white);
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }
    return widget;
}

} // namespace

Form1::Form1(Host &host, DrawSource &draws, LoadStep loadStep, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_host(host),
      m_draws(draws)
{
    initResources();
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(WindowCaption);
    setFixedSize(804, 356);
    setFont(fonts::make(fonts::SansSerif, 8.25, false));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);

    buildControls();
    wireEvents();
    if (loadStep == LoadStep::Run)
        Form_Load();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    for (const ControlRow &row : Layout)
        makeControl(row, this);

    const auto find = [this]<typename T>(T *&member, const QString &name) {
        member = findChild<T *>(name, Qt::FindDirectChildrenOnly);
        Q_ASSERT(member);
    };
    find(Shape3, QStringLiteral("Shape3"));
    find(Shape2, QStringLiteral("Shape2"));
    for (int k = 0; k <= 5; ++k)
        find(Shape1(k), QStringLiteral("Shape1_%1").arg(k));
    find(Image1, QStringLiteral("Image1"));
    find(Label1, QStringLiteral("Label1"));
    find(Label2, QStringLiteral("Label2"));
    find(ScoreShow, QStringLiteral("ScoreShow"));
    find(Temps, QStringLiteral("Temps"));
    for (int i = 1; i <= 6; ++i) {
        find(Param(i), QStringLiteral("Param%1").arg(i));
        find(Valu(i), QStringLiteral("Valu%1").arg(i));
    }
    for (int i = 1; i <= 3; ++i) {
        find(Quest(i), QStringLiteral("Quest%1").arg(i));
        find(cckInput(i), QStringLiteral("cckInput%1").arg(i));
    }
    find(rtfAnswer, QStringLiteral("rtfAnswer"));
    find(cckAnswers, QStringLiteral("cckAnswers"));
    find(Suivant, QStringLiteral("Suivant"));
    find(Quitter, QStringLiteral("Quitter"));
    describeControls();

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

void Form1::wireEvents()
{
    connect(Suivant, &QPushButton::clicked, this, &Form1::Suivant_Click);
    connect(Quitter, &QPushButton::clicked, this, &Form1::Quitter_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    // The change signal, not the click: setting a box from the program
    // must re-check the answer just as a click does. toggled is that signal
    // on every Qt 6 release (stateChanged is deprecated from 6.7 on).
    for (std::int16_t i = 1; i <= 3; ++i)
        connect(cckInput(i), &QCheckBox::toggled, this, [this, i] { cckInput_Click(i); });
    connect(cckAnswers, &QCheckBox::toggled, this, &Form1::cckAnswers_Click);
}

void Form1::endProgram()
{
    Timer1->stop();
    m_host.endProgram();
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    endProgram();
}
