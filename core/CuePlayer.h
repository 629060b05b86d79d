// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CueFileNames.h"

#include <string_view>

// The eleven sound players of the main window, each bound to one wave file.
enum class Cue {
    MMControl1 = 1,  // first wrong click of a question
    MMControl2,      // bound, but nothing asks for it
    MMControl3,      // later wrong clicks of a question
    MMControl4,      // rating "V e r y   B a d"
    MMControl5,      // rating "B a d"
    MMControl6,      // rating "S u f f i c i e n t"
    MMControl7,      // rating "G o o d"
    MMControl8,      // rating "V e r y   G o o d"
    MMControl9,      // rating "W a a o w !!!!"
    MMControl10,     // rating "E x c e l l e n t"
    MMControl11,     // the alarm: Start, and two seconds before a time-out
};

inline constexpr int kCueCount = 11;

// Bare file names, resolved beside the program, in the order of the players.
static_assert(kCueFileNames.size() == kCueCount, "one wave file for each player");

constexpr std::string_view cueFileName(Cue cue)
{
    return kCueFileNames[static_cast<int>(cue) - 1];
}

// The three commands sent to a player, in order: open it on its file, play,
// rewind. Callers differ in the case of the words; players ignore case.
struct CueCommands {
    std::string_view open;
    std::string_view play;
    std::string_view rewind;
};

inline constexpr CueCommands kTileClickCommands{"Open", "play", "Prev"};
inline constexpr CueCommands kAlarmCommands{"open", "play", "prev"};

// Plays sound cues. A request returns at once and never fails loudly.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void PlayCue(Cue player, const CueCommands &commands) = 0;
};
