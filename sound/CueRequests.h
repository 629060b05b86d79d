// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CuePlayer.h"

#include <array>
#include <atomic>
#include <cstdint>

// Hands cue requests from the user-interface thread to the sound thread
// without ever making the asking thread wait: the time of the latest request
// per cue in an atomic, and an eventfd that wakes the sound thread.
class CueRequests {
public:
    CueRequests();
    ~CueRequests();

    CueRequests(const CueRequests &) = delete;
    CueRequests &operator=(const CueRequests &) = delete;

    // Any thread: asks for cue `index` (0 to 10) now.
    void request(int index);

    // The sound thread polls this descriptor for input and then calls take().
    int wakeDescriptor() const { return m_wake; }

    // Sound thread only: the monotonic time in nanoseconds of each cue asked
    // for since the last call, 0 for the others.
    std::array<std::int64_t, kCueCount> take();

    static std::int64_t nowNanoseconds();

private:
    std::array<std::atomic<std::int64_t>, kCueCount> m_requestedAt{};
    std::array<std::int64_t, kCueCount> m_taken{};
    int m_wake = -1;
};
