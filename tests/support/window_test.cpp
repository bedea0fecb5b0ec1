#include "support/window_test.h"

#include "support/expected.h"

#include <QRegularExpression>

#include <algorithm>

void WindowTest::init()
{
    host = {};
    seeded.seed(1);
    scripted = {};
}

void WindowTest::cleanup()
{
    m_window.reset();
    host.timer = nullptr;
    host.whileOpen = nullptr;
}

Form1 &WindowTest::makeWindow(DrawSource &draws)
{
    m_window = std::make_unique<Form1>(host, draws);
    host.timer = timer1();
    m_window->show();
    return *m_window;
}

Form1 &WindowTest::window()
{
    return m_window ? *m_window : makeWindow(seeded);
}

QLabel *WindowTest::param(int dial) const { return control<QLabel>(*m_window, QStringLiteral("Param%1").arg(dial)); }
QLabel *WindowTest::valu(int dial) const { return control<QLabel>(*m_window, QStringLiteral("Valu%1").arg(dial)); }
QLabel *WindowTest::quest(int k) const { return control<QLabel>(*m_window, QStringLiteral("Quest%1").arg(k)); }
QCheckBox *WindowTest::answerBox(int k) const
{
    return control<QCheckBox>(*m_window, QStringLiteral("cckInput%1").arg(k));
}
QCheckBox *WindowTest::answersBox() const { return control<QCheckBox>(*m_window, QStringLiteral("cckAnswers")); }
QPushButton *WindowTest::suivant() const { return control<QPushButton>(*m_window, QStringLiteral("Suivant")); }
QPushButton *WindowTest::quitter() const { return control<QPushButton>(*m_window, QStringLiteral("Quitter")); }
RichTextBox *WindowTest::questionBox() const { return control<RichTextBox>(*m_window, QStringLiteral("rtfAnswer")); }
QLabel *WindowTest::scoreShow() const { return control<QLabel>(*m_window, QStringLiteral("ScoreShow")); }
QLabel *WindowTest::temps() const { return control<QLabel>(*m_window, QStringLiteral("Temps")); }
QTimer *WindowTest::timer1() const { return m_window->findChild<QTimer *>(QStringLiteral("Timer1")); }

void WindowTest::pressSuivant() { ::pressSuivant(window()); }

void WindowTest::tickTo(const Ticks &wanted)
{
    for (int k = 1; k <= 3; ++k)
        if (answerBox(k)->isChecked() != wanted[k - 1])
            QTest::mouseClick(answerBox(k), Qt::LeftButton);
}

Ticks WindowTest::answerKey() const
{
    return {m_window->AnswerKey(1) == 1, m_window->AnswerKey(2) == 1, m_window->AnswerKey(3) == 1};
}

void WindowTest::answerRightAndGoOn()
{
    tickTo(answerKey());
    pressSuivant();
}

void WindowTest::takeOverCountdown() { timer1()->stop(); }

void WindowTest::tick(int times)
{
    for (int t = 0; t < times; ++t)
        window().Timer1_Timer();
}

Chart readChart(const Form1 &form)
{
    const auto boxInWindow = [&form](const QWidget *widget) {
        return QRectF(widget->mapTo(&form, QPoint(0, 0)), QSizeF(widget->size()));
    };
    QList<QRectF> circles;
    for (int k = 0; k <= 5; ++k)
        circles << boxInWindow(control<QWidget>(form, QStringLiteral("Shape1_%1").arg(k)));
    Chart chart;
    for (int i = 1; i <= 6; ++i) {
        const QLabel *name = control<QLabel>(form, QStringLiteral("Param%1").arg(i));
        Dial &dial = chart[static_cast<std::size_t>(i - 1)];
        dial.name = name->text();
        dial.ink = name->palette().color(QPalette::WindowText);
        dial.level = control<QLabel>(form, QStringLiteral("Valu%1").arg(i))->text();
        for (const QRectF &circle : circles)
            if (circle.contains(boxInWindow(name).center()))
                dial.centre = circle.center();
    }
    return chart;
}

bool standsAs(int relation, const Dial &x, const Dial &y)
{
    // Centres closer than this share a row or a column: the top dial and the
    // bottom centre one are a few pixels apart, neighbouring columns more
    // than fifty.
    constexpr double SameLine = 20.0;
    switch (relation) {
    case 1: return x.centre.y() < y.centre.y() - SameLine;
    case 2: return x.centre.y() > y.centre.y() + SameLine;
    case 3: return x.centre.x() < y.centre.x() - SameLine;
    case 4: return x.centre.x() > y.centre.x() + SameLine;
    default: return false;
    }
}

QString questionColourFault(const RichTextBox &box, const Chart &chart)
{
    const QString text = box.text();
    QList<QColor> expected(text.size(), QColor(Qt::black));
    for (const Dial &dial : chart) {
        for (auto at = text.indexOf(dial.name); at >= 0 && !dial.name.isEmpty();
             at = text.indexOf(dial.name, at + dial.name.size())) {
            for (auto c = at; c < at + dial.name.size(); ++c)
                expected[c] = dial.ink;
        }
    }
    for (int p = 0; p < text.size(); ++p) {
        if (box.colorAt(p).rgb() != expected.at(p).rgb())
            return QStringLiteral("'%1' at %2 is %3 instead of %4 in: %5")
                .arg(text.at(p)).arg(p).arg(box.colorAt(p).name(), expected.at(p).name(), text);
    }
    return {};
}

QList<int> rangesHolding(const Chart &chart)
{
    QList<int> found;
    for (int k = 1; k <= 5; ++k) {
        const expected::LevelRange range = expected::LevelRanges[std::size_t(k - 1)];
        if (std::all_of(chart.begin(), chart.end(), [&range](const Dial &dial) {
                return dial.level.toInt() >= range.lowest && dial.level.toInt() <= range.highest;
            }))
            found << k;
    }
    return found;
}

QString chartFault(const Chart &chart)
{
    static const QRegularExpression plainNumber(QStringLiteral("^[1-9][0-9]*$"));
    QList<QColor> inks;
    QStringList names;
    for (const Dial &dial : chart) {
        if (!expected::ChartColours.contains(dial.ink) || inks.contains(dial.ink))
            return QStringLiteral("%1 is written in %2: not one of the eight, or twice").arg(dial.name, dial.ink.name());
        if (!expected::InstrumentNames.contains(dial.name) || names.contains(dial.name))
            return QStringLiteral("'%1' is no instrument, or shown twice").arg(dial.name);
        if (!plainNumber.match(dial.level).hasMatch())
            return QStringLiteral("%1 shows level '%2'").arg(dial.name, dial.level);
        inks << dial.ink;
        names << dial.name;
    }
    return rangesHolding(chart).isEmpty() ? QStringLiteral("the levels fit no single range") : QString();
}
