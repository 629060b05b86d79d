// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Quiz.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"
#include "ScriptedRandom.h"

#include <QList>

// A quiz with a scripted clock and random source. At second 0 (midnight) the clock draws question 11,
// "Imaginary Number": odd answer at position 2, so on tile 2 while unrotated, Picture numbers 41 to 44.
// An empty random queue gives U = 0, rotation 1.
struct Game {
    explicit Game(int second = 0, bool start = true) : clock(second), quiz(clock, random, cues)
    {
        quiz.Form_Load();
        if (start)
            quiz.Command2_Click();
    }

    void ticks(int count) { while (count-- > 0) quiz.Timer2_Timer(); }
    void choose(const QString &entry)
    {
        quiz.controls.List1.listIndex = static_cast<int>(quiz.controls.List1.items.indexOf(entry));
        quiz.List1_DblClick();
    }
    QList<int> pictures() const
    {
        const auto &p = quiz.controls.Picture1;
        return {p[1].picture, p[2].picture, p[3].picture, p[4].picture};
    }
    bool tilesEnabled(bool enabled) const
    {
        const auto &p = quiz.controls.Picture1;
        return p[1].enabled == enabled && p[2].enabled == enabled && p[3].enabled == enabled && p[4].enabled == enabled;
    }
    int rightTile() const { return quiz.OddTile[quiz.CurrentQuestion]; }
    int wrongTile() const { return rightTile() % 4 + 1; }
    // Wrong clicks down to the degree asked for, then the right one.
    void answerWith(int degree)
    {
        for (int reachable = 100; reachable > degree; reachable -= 25)
            quiz.deliver(Quiz::Event::TileClick, wrongTile());
        quiz.deliver(Quiz::Event::TileClick, rightTile());
    }

    ScriptedClock clock;
    ScriptedRandom random;
    RecordingCues cues;
    Quiz quiz;
};
