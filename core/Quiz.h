// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CuePlayer.h"
#include "Form1Controls.h"
#include "QuestionRecorder.h"
#include "TimeOfDay.h"
#include "UniformRandom.h"

#include <QString>

#include <array>
#include <vector>

// The quiz of the main window: its window-level values and tables, and the
// handlers of its controls. Handlers change the values and write what the
// controls show into `controls`; nothing here knows a widget.
//
// Tables indexed by question number have the entries 0 to 101. The tables by
// presentation order start with the same rows and grow when word-list choices
// take QuestionCount beyond them, so no right answer is ever lost.
class Quiz {
public:
    Quiz(const TimeOfDay &clock, UniformRandom &random, CuePlayer &cues);

    // Who hears of each series and each presented question as it ends; null for nobody.
    void setAnswerLog(AnswerLog *log) { m_recorder.setLog(log); }

    // The events the window delivers, by the control that raises them.
    enum class Event {
        TileClick,      // Picture1(index)
        TileMove,       // the pointer over Picture1(index)
        NextQuestion,   // Command1
        Start,          // Command2
        Restart,        // Command3
        Hints,          // Command5
        TimePicked,     // Combo1, at Combo1.listIndex
        WordChosen,     // List1, at List1.listIndex
        MessageTick,    // Timer1
        CountdownTick,  // Timer2
    };
    // Whether the player can reach the control now: not a disabled tile, not a
    // hidden button, nothing under the start panel.
    bool canReach(Event event, int index = 0) const;
    // Runs the event's handler when its control can be reached, as the window
    // would; other events never arrive.
    void deliver(Event event, int index = 0);

    // Handlers.
    void Form_Load();
    void Command1_Click();  // "Next Question"
    void Command2_Click();  // "Start"
    void Command3_Click();  // "Restart"
    void Command5_Click();  // "Hints"
    void Combo1_Click();    // a time picked from Combo1.items[Combo1.listIndex]
    void Picture1_Click(int Index);
    void Picture1_MouseMove(int Index);
    void Timer1_Timer();    // message timer
    void Timer2_Timer();    // question timer
    void List1_DblClick();  // reads List1.items[List1.listIndex]

    // Steps shared by the handlers.
    int DrawByClock() const;
    bool PickNextQuestion();
    void PlaceAnswers(int q);
    void ShowHeading(int q);
    void ArmCountdown();
    void EndSeries();
    int ScoreQuestion();
    void ShowRating(int AverageDegree, bool withCue);

    Form1Controls controls;

    int QuestionTotal = 0;
    int CurrentQuestion = 0;
    int QuestionCount = 0;
    double DegreeFactor = 0;
    double DegreeSum = 0;
    int ElapsedSeconds = 0;
    int TimerArmed = 0;
    double MaxSeconds = 0;
    int LastClickedTile = 0;
    std::array<float, 5> TileLeft{};  // home positions in twips, index = tile number
    std::array<float, 5> TileTop{};

    std::vector<QString> Term;
    std::vector<QString> Hint;
    std::vector<int> OddPicture;
    std::vector<int> QuestionFree;
    std::vector<int> OddTile;
    std::vector<double> QuestionDegree;
    std::vector<QString> AnsweredTerm;
    std::vector<double> AnsweredDegree;

private:
    void setTilesEnabled(bool enabled);
    void freeAllQuestions();
    void putPictures(int q, int R);
    void recordAnswer(int row);
    void forgetAnswers();

    const TimeOfDay &m_clock;
    UniformRandom &m_random;
    CuePlayer &m_cues;
    QuestionRecorder m_recorder;
};

// A whole number as plain decimal digits: 75, 100, 0.
QString plainNumber(double value);
