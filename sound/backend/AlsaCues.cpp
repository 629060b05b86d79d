// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlsaCues.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>

namespace {

constexpr unsigned kLatencyMicroseconds = 40000;
constexpr std::chrono::milliseconds kQuitWait{100};

// ALSA reports a missing device on stderr; a game without sound is no error.
void silentAlsaError(const char *, int, const char *, int, const char *, ...) {}

}  // namespace

AlsaCues::~AlsaCues()
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->quit = true;
    m_shared->wake.notify_one();
    // A cue being cut short ends within a slice; a thread stuck in the device is left behind.
    m_shared->ended.wait_for(lock, kQuitWait, [this] { return !m_shared->running; });
}

void AlsaCues::play(WaveData wave)
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->next = std::move(wave);
        if (!m_shared->running) {
            snd_lib_error_set_handler(silentAlsaError);
            m_shared->running = true;
            std::thread(&AlsaCues::run, m_shared).detach();
        }
    }
    m_shared->wake.notify_one();
}

void AlsaCues::run(const std::shared_ptr<Shared> &shared)
{
    for (;;) {
        WaveData wave;
        {
            std::unique_lock lock(shared->mutex);
            shared->wake.wait(lock, [&] { return shared->quit || shared->next; });
            if (shared->quit) {
                shared->running = false;
                shared->ended.notify_all();
                return;
            }
            wave = std::move(*shared->next);
            shared->next.reset();
        }
        playOne(*shared, wave);
    }
}

void AlsaCues::playOne(Shared &shared, const WaveData &wave)
{
    snd_pcm_t *pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return;
    snd_pcm_nonblock(pcm, 0);
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, wave.channels(), wave.rate(), 1,
                           kLatencyMicroseconds)
        < 0) {
        snd_pcm_close(pcm);
        return;
    }
    // Written in slices of about 10 ms, so a newer cue can cut in between them.
    const std::size_t frameBytes = 2 * wave.channels();
    const std::size_t frames = wave.bytes().size() / frameBytes;
    const std::size_t slice = std::max<std::size_t>(1, wave.rate() / 100);
    bool finished = true;
    for (std::size_t done = 0; done < frames;) {
        {
            std::lock_guard lock(shared.mutex);
            if (shared.next || shared.quit) {
                finished = false;
                break;
            }
        }
        const std::size_t count = std::min(slice, frames - done);
        snd_pcm_sframes_t written = snd_pcm_writei(pcm, wave.bytes().data() + done * frameBytes, count);
        if (written < 0)
            written = snd_pcm_recover(pcm, static_cast<int>(written), 1) < 0 ? -1 : 0;
        if (written < 0)
            break;
        done += static_cast<std::size_t>(written);
    }
    if (finished)
        snd_pcm_drain(pcm);
    else
        snd_pcm_drop(pcm);
    snd_pcm_close(pcm);
}

extern "C" __attribute__((visibility("default"))) FallbackCues *vexlorCreateFallbackCues()
{
    return new AlsaCues;
}
