// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CuePlayer.h"

#include <array>
#include <string>

class CueRequests;

// The sound layer proper, built as a module of its own so that nothing of the
// sound stack is loaded before the first window is shown. It plays what
// CueRequests hands it, on threads of its own, until it is destroyed.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
};

// The module's one entry point: wave files by cue, full paths.
using CreateSoundBackend = SoundBackend *(*)(CueRequests &requests, const std::array<std::string, kCueCount> &waves);
inline constexpr char kCreateSoundBackendSymbol[] = "vexlorCreateSoundBackend";
inline constexpr char kSoundBackendFileName[] = "libvexlor-cues.so";
