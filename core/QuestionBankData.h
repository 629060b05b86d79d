// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

struct QuestionEntry {
    const char *term;
    int oddPicture;  // position 1..4 of the odd answer among the four pictures
    const char *hint;
};

// By question number: entry 0 is question 1.
extern const std::array<QuestionEntry, 100> kQuestionEntries;
