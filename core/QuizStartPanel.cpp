// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
// The start panel: the time choice and the "Start" button.
#include "Quiz.h"

#include "PlainNumber.h"

void Quiz::Combo1_Click()
{
    const ComboBox &box = controls.Combo1;
    if (box.listIndex < 0 || box.listIndex >= box.items.size())
        return;
    MaxSeconds = box.items[box.listIndex].toDouble() + kGraceSeconds;
}

void Quiz::Command2_Click()
{
    controls.Frame2Visible = false;
    controls.Label2.caption =
        QStringLiteral("Maximum time for question = ") + plainNumber(MaxSeconds - kGraceSeconds) + QStringLiteral(" seconds.");
    controls.Label3.caption = QStringLiteral("Name: ") + controls.Text7;
    controls.List1.enabled = true;
    controls.Command3Visible = true;
    controls.Command4Visible = true;
    controls.Label2.visible = true;
    controls.Label3.visible = true;
    m_cues.PlayCue(Cue::MMControl11, kAlarmCommands);
    ArmCountdown();
    startSeriesRecord();
}

void Quiz::startSeriesRecord()
{
    m_recorder.seriesStarted(controls.Text7, static_cast<int>(MaxSeconds - kGraceSeconds));
    m_recorder.presented(CurrentQuestion);
}
