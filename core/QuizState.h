// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Form1Controls.h"

#include <QString>

#include <array>
#include <vector>

// The seconds of grace the countdown adds to the time the player picks: the
// alarm sounds when the picked time is up, the time-out comes this much later.
inline constexpr int kGraceSeconds = 2;

// The window-level values and tables of the quiz, and what its controls show.
// Only the quiz writes them; everyone else reads them through Quiz::state().
//
// Tables indexed by question number have the entries 0 to QuestionTotal + 1.
// The tables by presentation order start with the same rows and grow when
// word-list choices take QuestionCount beyond them, so no right answer is ever lost.
struct QuizState {
    Form1Controls controls;

    int QuestionTotal = 0;
    int CurrentQuestion = 0;
    int QuestionCount = 0;
    double DegreeFactor = 0;
    double DegreeSum = 0;
    int ElapsedSeconds = 0;
    bool TimerArmed = false;
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
};
