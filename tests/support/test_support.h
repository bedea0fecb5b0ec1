#pragma once
// What every test of the window needs: a host that records messages and
// requests to end instead of showing or ending anything, draw sources that
// the test controls, and lookup of controls by object name.

#include "app/application.h"
#include "chart/random_draws.h"
#include "window/form1.h"
#include "common/host.h"

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <deque>
#include <initializer_list>
#include <memory>
#include <random>

class FakeHost final : public Host
{
public:
    void showMessage(const QString &text) override { messages.append(text); }
    void endProgram() override { ++endRequests; }

    QStringList messages;
    int endRequests = 0;
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
    explicit SeededDraws(std::uint32_t seed) : m_engine(seed) {}
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
