// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FallbackCues.h"
#include "WaveData.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// Plays cues straight through ALSA's default device when no sound server
// runs. One cue at a time on a thread of its own, started at the first cue;
// a new cue cuts the one playing short. Failures stay silent.
class AlsaCues final : public FallbackCues {
public:
    AlsaCues() = default;
    ~AlsaCues() override;

    AlsaCues(const AlsaCues &) = delete;
    AlsaCues &operator=(const AlsaCues &) = delete;

    void play(WaveData wave) override;

private:
    void run();
    void playOne(const WaveData &wave);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<WaveData> m_next;
    bool m_quit = false;
    std::thread m_thread;
};
