// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
// The question timer, the message timer and the "Hints" button.
#include "Quiz.h"

void Quiz::Timer2_Timer()
{
    m_recorder.secondPassed();
    if (!TimerArmed)
        return;
    ++ElapsedSeconds;
    if (ElapsedSeconds > MaxSeconds)
        return;
    ProgressBar &bar = controls.ProgressBar1;
    bar.min = 0;
    bar.max = static_cast<int>(MaxSeconds);
    bar.visible = true;
    bar.value = 0;
    if (ElapsedSeconds == MaxSeconds - kGraceSeconds)
        m_cues.PlayCue(Cue::MMControl11, kAlarmCommands);
    if (ElapsedSeconds == MaxSeconds) {
        // Time-out: the question is closed with 0 % and no rating sound.
        DegreeFactor = 0;
        ShowRating(ScoreQuestion(), false);
        m_recorder.end(AnswerOutcome::TimedOut, 0);
        setTilesEnabled(false);
        return;
    }
    bar.value = ElapsedSeconds;
}

void Quiz::Timer1_Timer()
{
    if (LastClickedTile != OddTile[CurrentQuestion])
        controls.Text2.visible = false;
}

void Quiz::Command5_Click()
{
    m_recorder.hintOpened();
    controls.Text5.visible = true;
    controls.Text5.write(Hint[CurrentQuestion]);
}
