#pragma once
// The one window of Test Quovale. It owns every control and, as its own
// members, the whole state of a test; every procedure of the program is one
// of its methods. The code is split by subsystem:
//   window/form1.cpp            the window itself, its events and its ending
//   window/controls.cpp         every control, made and placed, back to front
//   window/startup.cpp          Form_Load
//   window/question_cycle.cpp   Suivant_Click
//   window/answers.cpp          Correction and the check-box handlers
//   window/countdown.cpp        Timer1_Timer and Quitter_Click
//   window/accessibility.cpp    what a screen reader tells of the controls
//   chart/random_draws.cpp      RandNum, beside the draws it makes
//   chart/chart_builder.cpp     ChartMake and the Distribute... steps
//   questions/rule_tables.cpp   FillRuleTables
//   questions/statement_makers.cpp  MakeTrueQuestion, MakeFalseQuestion
//   questions/phrase_builder.cpp    MakePhrase
//   questions/question_builder.cpp  QuestionMake

#include "chart/random_draws.h"
#include "questions/rule_tables.h"
#include "common/state_types.h"

#include <QString>
#include <QWidget>

#include <cstdint>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class Host;
class RichTextBox;
class ShapeWidget;

class Form1 : public QWidget
{
    Q_OBJECT

public:
    Form1(Host &host, DrawSource &draws, QWidget *parent = nullptr);
    ~Form1() override;

    // Event handlers.
    void Form_Load();
    void Suivant_Click();
    void Quitter_Click();
    void Timer1_Timer();
    void cckInput_Click(std::int16_t index);
    void cckAnswers_Click();

    // Answer checking: 1 when the three boxes equal AnswerKey, else 0.
    std::int16_t Correction() const;

    // Random draws and the chart.
    float RandNum(std::int16_t lowerbound, std::int16_t upperbound);
    template <int Lo, int Hi>
    void RandomizeList(BoundedArray<std::int16_t, Lo, Hi> &items) { ::RandomizeList(m_draws, items); }
    void ChartMake();
    void DistributeColor();
    void DistributeInstrument();
    void DistributeValues();

    // Questions.
    void FillRuleTables();
    void QuestionMake();
    void MakeTrueQuestion(std::int16_t rang);
    void MakeFalseQuestion(std::int16_t rang);
    QString MakePhrase(std::int16_t An, std::int16_t Bn, std::int16_t Cn, std::int16_t Dn, std::int16_t En) const;

    // The test state, in the order of its description.
    RelationTable IsAbove;
    RelationTable IsBelow;
    RelationTable IsRightOf;
    RelationTable IsLeftOf;
    PatternTable TruthPattern;
    std::int16_t StatementKind = 0;  // 1 position, 2 level
    std::int16_t Polarity = 0;       // 1 " est ", 2 " n'est pas "
    std::int16_t FirstDial = 0;      // subject, 1..6
    std::int16_t SecondDial = 0;     // object, 1..6
    BoundedArray<QString, 1, 3> Statements;
    BoundedArray<std::int16_t, 1, 3> AnswerKey;  // 1 true, 0 false
    std::int16_t Score = 0;
    std::int16_t QuestionNumber = 0;
    std::int16_t ScreenResult = 0;   // 1 right, 0 wrong
    std::int16_t FirstStart = 0;     // TruthTrue until the first press of Suivant
    float TimeLeftMs = 0;
    std::int16_t MinutesLeft = 0;
    std::int16_t SecondsLeft = 0;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    // What screen readers are told (window/accessibility.cpp). The window's
    // own interface must be known before any control exists: a screen
    // reader may ask for it as soon as the first one is added.
    static void installAccessibleInterfaces();
    void describeControls();
    // Each answer box is told by its statement, screen by screen.
    void describeStatements();
    void wireEvents();
    void endProgram();
    // Greens "Vrai" and reds "Faux" in the Quest labels.
    void ColorCorrections();

    // Steps shared by both statement makers; they return the relation chosen.
    std::int16_t ChooseStatement();
    std::int16_t ChoosePositionStatement();
    std::int16_t ChooseLevelStatement(const BoundedArray<std::int16_t, 1, 6> &levels);
    bool LevelPairAccepted(std::int16_t relation, const BoundedArray<std::int16_t, 1, 6> &levels) const;
    const RelationTable &TableOf(std::int16_t relation) const;

    Host &m_host;
    DrawSource &m_draws;

    // Dials named by a level statement of the question being built: their
    // levels must not change under a later statement of the same question.
    BoundedArray<bool, 1, 6> m_levelDialNamed;

    // The controls.
    ShapeWidget *Shape3 = nullptr;
    ShapeWidget *Shape2 = nullptr;
    BoundedArray<ShapeWidget *, 0, 5> Shape1;
    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *ScoreShow = nullptr;
    QLabel *Temps = nullptr;
    BoundedArray<QLabel *, 1, 6> Param;
    BoundedArray<QLabel *, 1, 6> Valu;
    BoundedArray<QLabel *, 1, 3> Quest;
    RichTextBox *rtfAnswer = nullptr;
    BoundedArray<QCheckBox *, 1, 3> cckInput;
    QCheckBox *cckAnswers = nullptr;
    QPushButton *Suivant = nullptr;
    QPushButton *Quitter = nullptr;
    QTimer *Timer1 = nullptr;
};
