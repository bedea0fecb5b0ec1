#include "window/form1.h"

#include "common/host.h"
#include "window/window_fonts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {
const QString WindowCaption = QStringLiteral("Test Quovale - par l'équipe Quovale, quovale.example.org");
} // namespace

Form1::Form1(Host &host, DrawSource &draws, QWidget *parent)
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
    setFont(windowfonts::make(windowfonts::SansSerif, 11, false));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);

    buildControls();
    describeControls();
    wireEvents();
    Form_Load();
}

Form1::~Form1() = default;

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
