// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a question from the word list.
#include "Quiz.h"

void Quiz::List1_DblClick()
{
    const ListBox &list = controls.List1;
    controls.Text2.visible = false;
    controls.Text5.visible = false;
    controls.Text3.write(QString());
    DegreeFactor = 1;
    ++QuestionCount;
    // The entry is tied to its question by its text, never by its position.
    const bool selected = list.listIndex >= 0 && list.listIndex < list.items.size();
    const QString chosen = selected ? list.items[list.listIndex] : QString();
    for (int i = 1; i <= QuestionTotal; ++i) {
        if (chosen == Term[i])
            CurrentQuestion = i;
    }
    setTilesEnabled(true);
    m_series.PlaceAnswers(CurrentQuestion);
    ShowHeading(CurrentQuestion);
    ArmCountdown();
    m_recorder.presented(CurrentQuestion);
}
