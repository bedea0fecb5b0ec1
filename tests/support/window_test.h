#pragma once
// The one fixture of the window's tests. A suite derives from WindowTest and
// gets, fresh for every test function: a host that records messages and
// requests to end instead of showing or ending anything, the draw sources,
// the real window built on demand, its controls by number, and the moves a
// candidate makes. Expected values that several suites check are written
// once, in expected.h.

#include "app/application.h"
#include "chart/random_draws.h"
#include "common/host.h"
#include "window/form1.h"
#include "window/widgets/rich_text_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QEventLoop>
#include <QLabel>
#include <QPointF>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <random>

// Records the messages the window shows and its requests to end. It also
// notes whether the countdown still ran when each message came up, and can
// keep a message open as the real modal box does, with the event loop
// going on underneath.
class FakeHost final : public Host
{
public:
    void showMessage(const QString &text) override
    {
        ++open;
        maxOpen = std::max(maxOpen, open);
        messages.append(text);
        timerRunningAtMessage.append(timer && timer->isActive());
        if (keepOpenMs > 0) {
            QEventLoop modal;
            QTimer::singleShot(keepOpenMs, &modal, &QEventLoop::quit);
            modal.exec();
        }
        if (whileOpen)
            whileOpen();
        --open;
    }
    void endProgram() override { ++endRequests; }

    QStringList messages;
    QList<bool> timerRunningAtMessage;
    int endRequests = 0;
    int open = 0;
    int maxOpen = 0;

    // Set by the fixture: the window's countdown.
    QPointer<QTimer> timer;
    // A message stays open this long, dispatching events meanwhile.
    int keepOpenMs = 0;
    // Runs while a message is open, as the candidate's doings would.
    std::function<void()> whileOpen;
};

// Hands out the values given to it, in order; counts what was asked for.
class ScriptedDraws final : public DrawSource
{
public:
    ScriptedDraws() = default;
    ScriptedDraws(std::initializer_list<float> values) : m_values(values) {}

    void push(std::initializer_list<float> values) { m_values.insert(m_values.end(), values); }
    // The r that makes RandNum(lower, upper) give `value`.
    static float pick(int value, int lower, int upper)
    {
        return (static_cast<float>(value - lower) + 0.5f) / static_cast<float>(upper - lower + 1);
    }
    void pushPick(int value, int lower, int upper) { m_values.push_back(pick(value, lower, upper)); }

    float next() override
    {
        ++drawn;
        if (m_values.empty()) {
            ++overrun;
            return 0.0f;
        }
        const float r = m_values.front();
        m_values.pop_front();
        return r;
    }
    void reseed() override { ++reseeds; }

    std::size_t left() const { return m_values.size(); }

    int drawn = 0;
    int overrun = 0;
    int reseeds = 0;

private:
    std::deque<float> m_values;
};

// A reproducible stream: a fixed seed, and re-seeding leaves it running on.
class SeededDraws final : public DrawSource
{
public:
    explicit SeededDraws(std::uint32_t seed = 1) : m_engine(seed) {}
    void seed(std::uint32_t seed) { m_engine.seed(seed); }
    float next() override
    {
        ++drawn;
        return ClockSeededGenerator::toUnit(static_cast<std::uint32_t>(m_engine()));
    }
    void reseed() override { ++reseeds; }

    int drawn = 0;
    int reseeds = 0;

private:
    std::mt19937 m_engine;
};

template <typename T>
T *control(const QWidget &form, const QString &name)
{
    T *found = form.findChild<T *>(name);
    if (!found)
        qWarning("no control named %s", qPrintable(name));
    return found;
}

// A click on Suivant, as the candidate gives it.
inline void pressSuivant(Form1 &form)
{
    QTest::mouseClick(control<QPushButton>(form, QStringLiteral("Suivant")), Qt::LeftButton);
}

using Ticks = std::array<bool, 3>;

class WindowTest : public QObject
{
    Q_OBJECT

protected slots:
    void init();
    void cleanup();

protected:
    // The window, built on first use from `seeded` unless made with other
    // draws; shown, as the candidate gets it.
    Form1 &window();
    Form1 &makeWindow(DrawSource &draws);

    QLabel *param(int dial) const;
    QLabel *valu(int dial) const;
    QLabel *quest(int k) const;
    QCheckBox *answerBox(int k) const;
    QCheckBox *answersBox() const;
    QPushButton *suivant() const;
    QPushButton *quitter() const;
    RichTextBox *questionBox() const;
    QLabel *scoreShow() const;
    QLabel *temps() const;
    QTimer *timer1() const;

    void pressSuivant();
    // Clicks each answer box whose tick differs from the one wanted.
    void tickTo(const Ticks &wanted);
    // The answer key of the screen on show, as the window holds it.
    Ticks answerKey() const;
    // Ticks exactly the true statements, then presses Suivant.
    void answerRightAndGoOn();
    // Stops the real countdown, so that a test gives the ticks itself.
    void takeOverCountdown();
    void tick(int times = 1);

    FakeHost host;
    SeededDraws seeded{1};
    ScriptedDraws scripted;

private:
    std::unique_ptr<Form1> m_window;
};

// The test's main: the application set up as the program sets it up.
#define QUOVALE_TEST_MAIN(TestObject)                     \
    int main(int argc, char *argv[])                      \
    {                                                     \
        QApplication app(argc, argv);                     \
        app.setAttribute(Qt::AA_Use96Dpi, true);          \
        app::configure();                                 \
        TestObject test;                                  \
        QTEST_SET_MAIN_SOURCE_PATH                        \
        return QTest::qExec(&test, argc, argv);           \
    }

// A pixel of an outline or of dark text in a picture of the window.
inline bool isDark(QRgb pixel)
{
    return qGray(pixel) < 80;
}

// --- Reading the chart and the question, as the candidate reads them --------

// The largest draw below 1: the top of every range.
inline const float TopDraw = std::nextafter(1.0f, 0.0f);

// One dial of the chart: its name and the ink it is written in (Param), its
// level (Valu), and the centre of the circle drawn around them.
struct Dial {
    QString name;
    QColor ink;
    QString level;
    QPointF centre;
};
// Dial i at [i - 1].
using Chart = std::array<Dial, 6>;
Chart readChart(const Form1 &form);

// Whether dial x stands above (relation 1), below (2), left of (3) or right
// of (4) dial y on screen.
bool standsAs(int relation, const Dial &x, const Dial &y);

// What is wrong with the colours of the question box, or an empty text when
// every name of the chart is in its dial's ink and everything else is black.
QString questionColourFault(const RichTextBox &box, const Chart &chart);

// Range numbers 1 to 5 whose bounds hold all six levels of the chart; ranges
// overlap, so there can be more than one.
QList<int> rangesHolding(const Chart &chart);
// What is wrong with a chart, or an empty text when it keeps every rule: six
// of the eight colours, the six instruments, plain numbers from one range.
QString chartFault(const Chart &chart);
