// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FallbackCues.h"
#include "WaveData.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

// Plays cues straight through ALSA's default device when no sound server
// runs. One cue at a time on a thread of its own, started at the first cue;
// a new cue cuts the one playing short. Failures stay silent. A device that
// blocks never holds up the end of the program: the thread is not joined, and
// what it works on lives as long as it does.
class AlsaCues final : public FallbackCues {
public:
    AlsaCues() = default;
    ~AlsaCues() override;

    AlsaCues(const AlsaCues &) = delete;
    AlsaCues &operator=(const AlsaCues &) = delete;

    void play(WaveData wave) override;

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable wake;
        std::condition_variable ended;
        std::optional<WaveData> next;
        bool quit = false;
        bool running = false;
    };

    static void run(const std::shared_ptr<Shared> &shared);
    static void playOne(Shared &shared, const WaveData &wave);

    std::shared_ptr<Shared> m_shared = std::make_shared<Shared>();
};
