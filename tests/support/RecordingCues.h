// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CuePlayer.h"

#include <string>
#include <vector>

// Remembers every cue request with its three command words.
class RecordingCues final : public CuePlayer {
public:
    struct Request { Cue player; std::string open, play, rewind; };

    void PlayCue(Cue player, const CueCommands &commands) override
    {
        requests.push_back({player, std::string(commands.open), std::string(commands.play), std::string(commands.rewind)});
    }

    std::vector<Request> requests;
};
