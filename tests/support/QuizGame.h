// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Quiz.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"
#include "ScriptedRandom.h"

#include <QList>

// The whole-number average the quiz shows: exact halves to the even neighbour, by integer arithmetic.
inline int evenRoundedAverage(long long degreeSum, int count)
{
    const long long q = degreeSum / count, twice = 2 * (degreeSum % count);
    return static_cast<int>(q + ((twice > count || (twice == count && q % 2 != 0)) ? 1 : 0));
}

// A quiz with a scripted clock and random source, played through its one door.
// An empty random queue gives U = 0, rotation 1.
struct Game {
    using E = Quiz::Event;

    explicit Game(int second = 0, bool start = true) : clock(second), quiz(clock, random, cues)
    {
        quiz.Form_Load();
        if (start)
            quiz.deliver(E::Start);
    }

    const QuizState &state() const { return quiz.state(); }
    const Form1Controls &controls() const { return quiz.state().controls; }
    void ticks(int count) { while (count-- > 0) quiz.deliver(E::CountdownTick); }
    void click(int tile) { quiz.deliver(E::TileClick, tile); }
    void choose(const QString &entry) { quiz.deliver(E::WordChosen, int(controls().List1.items.indexOf(entry))); }
    void pick(const QString &seconds) { quiz.deliver(E::TimePicked, int(controls().Combo1.items.indexOf(seconds))); }
    QList<int> pictures() const
    {
        const auto &p = controls().Picture1;
        return {p[1].picture, p[2].picture, p[3].picture, p[4].picture};
    }
    bool tilesEnabled(bool enabled) const
    {
        const auto &p = controls().Picture1;
        return p[1].enabled == enabled && p[2].enabled == enabled && p[3].enabled == enabled && p[4].enabled == enabled;
    }
    int rightTile() const { return state().OddTile[state().CurrentQuestion]; }
    int wrongTile() const { return rightTile() % 4 + 1; }
    // Wrong clicks down to the degree asked for, then the right one.
    void answerWith(int degree)
    {
        for (int reachable = 100; reachable > degree; reachable -= 25)
            click(wrongTile());
        click(rightTile());
    }

    ScriptedClock clock;
    ScriptedRandom random;
    RecordingCues cues;
    Quiz quiz;
};
