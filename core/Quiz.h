// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CuePlayer.h"
#include "QuestionRecorder.h"
#include "QuizResults.h"
#include "QuizSeries.h"
#include "QuizState.h"
#include "TimeOfDay.h"
#include "UniformRandom.h"

#include <QString>

// The quiz of the main window: its window-level values and tables, and the
// handlers of its controls. Events come in through deliver() alone; handlers
// change the values and write what the controls show into the state's
// `controls`, which the window reads back. Nothing here knows a widget.
class Quiz : private QuizState {
public:
    Quiz(const TimeOfDay &clock, UniformRandom &random, CuePlayer &cues);

    // Who hears of each series and each presented question as it ends; null for nobody.
    void setAnswerLog(AnswerLog *log) { m_recorder.setLog(log); }

    // The window's load step: the bank, the word list and the first question, under the start panel.
    void Form_Load();

    // The events the window delivers, by the control that raises them.
    enum class Event {
        TileClick,      // Picture1(index)
        TileMove,       // the pointer over Picture1(index)
        NextQuestion,   // Command1
        Start,          // Command2
        Restart,        // Command3
        Hints,          // Command5
        TimePicked,     // Combo1, index = the entry picked, -1 for none
        WordChosen,     // List1, index = the entry chosen, -1 for none
        MessageTick,    // Timer1
        CountdownTick,  // Timer2
    };
    // Whether the player can reach the control now: not a disabled tile, not a
    // hidden button, nothing under the start panel.
    bool canReach(Event event, int index = 0) const;
    // Runs the event's handler when its control can be reached, as the window
    // would; other events never arrive.
    void deliver(Event event, int index = 0);
    // What the player typed into the name box; taken while the start panel is shown.
    void typeName(const QString &name);

    const QuizState &state() const { return *this; }
    QuizResults results() const;
    // The question the clock draws now.
    int DrawByClock() const { return m_series.DrawByClock(); }

private:
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

    void ShowHeading(int q);
    void ArmCountdown();
    void EndSeries();
    int ScoreQuestion();
    void ShowRating(int AverageDegree, bool withCue);

    void setTilesEnabled(bool enabled);
    void recordAnswer(int row);
    void forgetAnswers();
    void startSeriesRecord();

    CuePlayer &m_cues;
    QuestionRecorder m_recorder;
    QuizSeries m_series;
};
