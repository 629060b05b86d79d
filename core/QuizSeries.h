// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizState.h"
#include "TimeOfDay.h"
#include "UniformRandom.h"

// The order of the questions in a series and the placement of their answers:
// the draw by the clock, the marks of the questions not yet drawn, the scan for
// a free one, and the four pictures put on the tiles by one of four rotations.
// Of the quiz's state it writes the free marks alone, and otherwise only the
// question on show, the scan counter, the odd tiles and the tiles' pictures.
class QuizSeries {
public:
    QuizSeries(const TimeOfDay &clock, UniformRandom &random, QuizState &state);
    // A copy would go on writing the state of the quiz it was copied from.
    QuizSeries(const QuizSeries &) = delete;
    QuizSeries &operator=(const QuizSeries &) = delete;

    // The question the clock draws now.
    int DrawByClock() const;
    // Marks every question of the bank as not yet drawn.
    void freeAllQuestions();
    // Takes the drawn question if it is free, else the lowest free one, and puts
    // it on show; false when the series has none left.
    bool PickNextQuestion();
    // Draws a rotation, moves the odd tile of question q with it and shows its pictures.
    void PlaceAnswers(int q);
    // Tile t shows position k of question q, shifted cyclically by the rotation R.
    void putPictures(int q, int R);

private:
    const TimeOfDay &m_clock;
    UniformRandom &m_random;
    QuizState &m_state;
};
