// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

class WaveData;

// Plays cues straight through ALSA's default device when no sound server
// runs. One cue at a time on a thread of its own, started at the first cue;
// a new cue cuts the one playing short. Failures stay silent.
class AlsaCues {
public:
    AlsaCues() = default;
    ~AlsaCues();

    AlsaCues(const AlsaCues &) = delete;
    AlsaCues &operator=(const AlsaCues &) = delete;

    // Returns at once; `wave` must outlive this object.
    void play(const WaveData &wave);

private:
    void run();
    void playOne(const WaveData &wave);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    const WaveData *m_next = nullptr;
    bool m_quit = false;
    std::thread m_thread;
};
