// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FallbackCues.h"
#include "SoundBackend.h"
#include "WaveData.h"

#include <pulse/pulseaudio.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CueRequests;

// Plays the cues through the sound server (PulseAudio, or PipeWire's pulse
// service) on a thread of its own. The waves are uploaded into the server's
// sample cache one after the other as soon as it is reached, each read from
// its file just for its upload, so a cue starts with one message and none is
// kept here. Without a server a cue goes to the sound card instead. While
// there is none, the server is tried again twice a second, and by each cue, so
// one that appears or restarts has the waves before the next cue.
class PulseCues final : public SoundBackend {
public:
    PulseCues(CueRequests &requests, const std::array<std::string, kCueCount> &wavePaths);
    ~PulseCues() override;

    PulseCues(const PulseCues &) = delete;
    PulseCues &operator=(const PulseCues &) = delete;

private:
    struct Slot {
        PulseCues *owner = nullptr;
        std::size_t index = 0;
        pa_stream *upload = nullptr;
        WaveData wave;  // only while it is being uploaded
        bool uploaded = false;
        bool missing = false;  // no playable wave at the last try; tried again on the next connection
        std::int64_t durationNanoseconds = 0;
        std::int64_t pendingSince = 0;  // asked for and not yet played; 0 when none
        std::uint32_t sinkInput = PA_INVALID_INDEX;  // the playing cue, to cut short when asked again
        std::int64_t startedAt = 0;
    };

    static void onWake(pa_mainloop_api *, pa_io_event *, int, pa_io_event_flags_t, void *self);
    static void onContextState(pa_context *, void *self);
    static void onUploadState(pa_stream *stream, void *slot);
    static void onPlayed(pa_context *, std::uint32_t sinkInput, void *slot);
    static void onRetry(pa_mainloop_api *api, pa_time_event *event, const struct timeval *, void *self);

    void serve();
    void settle();
    void connect();
    void dropContext();
    void retryLater();
    void uploadNext();
    void play(Slot &slot);
    void playWithoutServer(const Slot &slot);
    std::string sampleName(const Slot &slot) const;

    std::array<std::string, kCueCount> m_paths;
    std::array<Slot, kCueCount> m_slots;
    CueRequests &m_requests;
    pa_threaded_mainloop *m_loop = nullptr;
    pa_io_event *m_wake = nullptr;
    pa_context *m_context = nullptr;
    pa_time_event *m_retry = nullptr;
    bool m_connecting = false;  // inside pa_context_connect: its state changes are handled after it returns
    std::unique_ptr<FallbackCues> m_fallback;
    bool m_fallbackLoaded = false;
};
