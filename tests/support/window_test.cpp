#include "support/window_test.h"

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
