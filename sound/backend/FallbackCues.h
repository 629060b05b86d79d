// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WaveData.h"

// Plays cues straight to the sound card while no sound server runs. It is a
// module of its own, loaded at the first cue that needs it: most players have
// a server and never do.
class FallbackCues {
public:
    virtual ~FallbackCues() = default;
    // Returns at once; a newer cue cuts the one playing short.
    virtual void play(WaveData wave) = 0;
};

// The module's one entry point.
using CreateFallbackCues = FallbackCues *(*)();
inline constexpr char kCreateFallbackCuesSymbol[] = "vexlorCreateFallbackCues";
inline constexpr char kFallbackCuesFileName[] = "libvexlor-alsa.so";
