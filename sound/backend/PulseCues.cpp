// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseCues.h"

#include "CueRequests.h"
#include "ProgramIdentity.h"
#include "SoundModule.h"

#include <algorithm>
#include <string_view>
#include <utility>

extern "C" __attribute__((visibility("default"))) SoundBackend *vexlorCreateSoundBackend(
    CueRequests &requests, const std::array<std::string, kCueCount> &wavePaths);

namespace {

constexpr std::int64_t kStaleAfterNanoseconds = 1'000'000'000;  // a cue this late would only confuse
constexpr std::int64_t kCutMarginNanoseconds = 100'000'000;
constexpr pa_usec_t kRetryMicroseconds = 500'000;

// Names the game in the mixer: who it is, its icon, and that it plays event sounds.
pa_proplist *eventProperties()
{
    pa_proplist *props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Vexlor");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, ProgramIdentity::kAppId);
    pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, ProgramIdentity::kAppId);
    pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "event");
    return props;
}

}  // namespace

PulseCues::PulseCues(CueRequests &requests, const std::array<std::string, kCueCount> &wavePaths)
    : m_paths(wavePaths)
    , m_requests(requests)
    , m_loop(pa_threaded_mainloop_new())
{
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        m_slots[i].owner = this;
        m_slots[i].index = i;
    }
    if (!m_loop)
        return;
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(m_loop);
    m_wake = api->io_new(api, m_requests.wakeDescriptor(), PA_IO_EVENT_INPUT, &PulseCues::onWake, this);
    connect();  // at once, so the samples are in the server before the first cue
    pa_threaded_mainloop_start(m_loop);
}

PulseCues::~PulseCues()
{
    if (!m_loop)
        return;
    pa_threaded_mainloop_lock(m_loop);
    dropContext();
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(m_loop);
    if (m_retry)
        api->time_free(m_retry);
    if (m_wake)
        api->io_free(m_wake);
    pa_threaded_mainloop_unlock(m_loop);
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

void PulseCues::onWake(pa_mainloop_api *, pa_io_event *, int, pa_io_event_flags_t, void *self)
{
    auto *cues = static_cast<PulseCues *>(self);
    const auto asked = cues->m_requests.take();
    for (std::size_t i = 0; i < asked.size(); ++i)
        if (asked[i] != 0)
            cues->m_slots[i].pendingSince = asked[i];
    cues->serve();
}

// A cue asked for while there is no server first tries to reach one again.
void PulseCues::serve()
{
    const bool asked = std::any_of(m_slots.begin(), m_slots.end(), [](const Slot &s) { return s.pendingSince != 0; });
    if (asked && !m_context)
        connect();
    settle();
}

// Plays what is asked for as far as the server allows now: through it when it
// is ready, to the sound card when there is none; while it connects, or while
// a wave is still on its way up, the cues wait.
void PulseCues::settle()
{
    const std::int64_t now = CueRequests::nowNanoseconds();
    for (Slot &slot : m_slots)
        if (slot.pendingSince != 0 && (now - slot.pendingSince > kStaleAfterNanoseconds || slot.missing))
            slot.pendingSince = 0;
    const pa_context_state_t state = m_context ? pa_context_get_state(m_context) : PA_CONTEXT_UNCONNECTED;
    if (state == PA_CONTEXT_READY) {
        for (Slot &slot : m_slots)
            if (slot.pendingSince != 0 && slot.uploaded)
                play(slot);
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        dropContext();
        retryLater();
        // Each cue cuts the one before it short, so of those waiting only the last asked for is heard.
        Slot *latest = nullptr;
        for (Slot &slot : m_slots)
            if (slot.pendingSince != 0 && (!latest || slot.pendingSince >= latest->pendingSince))
                latest = &slot;
        for (Slot &slot : m_slots)
            slot.pendingSince = 0;
        if (latest)
            playWithoutServer(*latest);
    }
}

void PulseCues::connect()
{
    for (Slot &slot : m_slots)  // a wave that was missing may be there by now
        slot.missing = false;
    pa_proplist *props = eventProperties();
    m_context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_loop), "Vexlor", props);
    pa_proplist_free(props);
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, &PulseCues::onContextState, this);
    m_connecting = true;
    pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
    m_connecting = false;
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context))) {  // no server at all: nothing to wait for
        dropContext();
        retryLater();
    }
}

// Looks for a server again in a while, so one that starts is reached before the next cue asks for it.
void PulseCues::retryLater()
{
    if (m_retry)
        return;
    timeval at{};
    pa_timeval_add(pa_gettimeofday(&at), kRetryMicroseconds);
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(m_loop);
    m_retry = api->time_new(api, &at, &PulseCues::onRetry, this);
}

void PulseCues::onRetry(pa_mainloop_api *api, pa_time_event *event, const struct timeval *, void *self)
{
    auto *cues = static_cast<PulseCues *>(self);
    api->time_free(event);
    cues->m_retry = nullptr;
    if (!cues->m_context)
        cues->connect();
}

void PulseCues::dropContext()
{
    for (Slot &slot : m_slots) {
        if (slot.upload) {
            pa_stream_set_state_callback(slot.upload, nullptr, nullptr);
            pa_stream_unref(std::exchange(slot.upload, nullptr));
        }
        slot.wave = WaveData();
        slot.uploaded = false;
        slot.sinkInput = PA_INVALID_INDEX;
    }
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(std::exchange(m_context, nullptr));
}

void PulseCues::onContextState(pa_context *context, void *self)
{
    auto *cues = static_cast<PulseCues *>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY)
        cues->uploadNext();
    if (!cues->m_connecting && (state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state)))
        cues->settle();
}

// Starts the upload of the first wave not in the server yet, unless one is under way.
void PulseCues::uploadNext()
{
    if (!m_context || pa_context_get_state(m_context) != PA_CONTEXT_READY)
        return;
    for (const Slot &slot : m_slots)
        if (slot.upload)
            return;
    // The cues already asked for go first.
    std::array<Slot *, kCueCount> order;
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = &m_slots[i];
    std::stable_partition(order.begin(), order.end(), [](const Slot *s) { return s->pendingSince != 0; });
    for (Slot *next : order) {
        Slot &slot = *next;
        if (slot.uploaded || slot.missing)
            continue;
        slot.wave = WaveData::read(m_paths[slot.index]);
        slot.missing = slot.wave.empty();
        if (slot.missing)
            continue;
        slot.durationNanoseconds = slot.wave.durationNanoseconds();
        const pa_sample_spec format{PA_SAMPLE_S16LE, slot.wave.rate(), static_cast<std::uint8_t>(slot.wave.channels())};
        pa_proplist *props = eventProperties();
        pa_proplist_sets(props, PA_PROP_MEDIA_FILENAME, m_paths[slot.index].c_str());
        slot.upload = pa_stream_new_with_proplist(m_context, sampleName(slot).c_str(), &format, nullptr, props);
        pa_proplist_free(props);
        if (slot.upload) {
            pa_stream_set_state_callback(slot.upload, &PulseCues::onUploadState, &slot);
            if (pa_stream_connect_upload(slot.upload, slot.wave.bytes().size()) >= 0)
                return;
            pa_stream_set_state_callback(slot.upload, nullptr, nullptr);
            pa_stream_unref(std::exchange(slot.upload, nullptr));
        }
        slot.wave = WaveData();
        return;  // the server refuses uploads now; the next connection tries again
    }
}

void PulseCues::onUploadState(pa_stream *stream, void *data)
{
    auto &slot = *static_cast<Slot *>(data);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        pa_stream_write(stream, slot.wave.bytes().data(), slot.wave.bytes().size(), nullptr, 0, PA_SEEK_RELATIVE);
        pa_stream_finish_upload(stream);
        slot.wave = WaveData();  // the server has its copy
        break;
    case PA_STREAM_TERMINATED:  // the sample is in the server
    case PA_STREAM_FAILED:
        slot.uploaded = pa_stream_get_state(stream) == PA_STREAM_TERMINATED;
        slot.missing = !slot.uploaded;  // refused: silent until the next connection
        slot.wave = WaveData();
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(std::exchange(slot.upload, nullptr));
        slot.owner->settle();
        slot.owner->uploadNext();
        break;
    default:
        break;
    }
}

void PulseCues::play(Slot &slot)
{
    const std::int64_t now = CueRequests::nowNanoseconds();
    // Asked again while it plays: cut the old one, so the cue starts over.
    if (slot.sinkInput != PA_INVALID_INDEX
        && now - slot.startedAt < slot.durationNanoseconds + kCutMarginNanoseconds)
        pa_operation_unref(pa_context_kill_sink_input(m_context, slot.sinkInput, nullptr, nullptr));
    pa_proplist *props = eventProperties();
    pa_proplist_sets(props, PA_PROP_EVENT_ID, sampleName(slot).c_str());
    pa_operation *played = pa_context_play_sample_with_proplist(m_context, sampleName(slot).c_str(), nullptr,
                                                                PA_VOLUME_NORM, props, &PulseCues::onPlayed, &slot);
    pa_proplist_free(props);
    if (played)
        pa_operation_unref(played);
    slot.pendingSince = 0;
    slot.sinkInput = PA_INVALID_INDEX;
    slot.startedAt = now;
}

void PulseCues::onPlayed(pa_context *, std::uint32_t sinkInput, void *data)
{
    auto &slot = *static_cast<Slot *>(data);
    slot.sinkInput = sinkInput;
    if (sinkInput == PA_INVALID_INDEX) {  // the sample went missing from the server: upload it again
        slot.uploaded = false;
        slot.owner->uploadNext();
    }
}

// The sound card module is loaded at the first cue without a server, from beside this one.
void PulseCues::playWithoutServer(const Slot &slot)
{
    WaveData wave = WaveData::read(m_paths[slot.index]);
    if (wave.empty())
        return;
    if (!std::exchange(m_fallbackLoaded, true)) {
        const auto create = SoundModule::entry<CreateFallbackCues>(
            SoundModule::besideModuleOf(reinterpret_cast<void *>(&vexlorCreateSoundBackend), kFallbackCuesFileName),
            kCreateFallbackCuesSymbol);
        if (create)
            m_fallback.reset(create());
    }
    if (m_fallback)
        m_fallback->play(std::move(wave));
}

std::string PulseCues::sampleName(const Slot &slot) const
{
    const std::string_view file = cueFileName(static_cast<Cue>(slot.index + 1));
    return "vexlor-" + std::string(file);
}

extern "C" __attribute__((visibility("default"))) SoundBackend *vexlorCreateSoundBackend(
    CueRequests &requests, const std::array<std::string, kCueCount> &wavePaths)
{
    return new PulseCues(requests, wavePaths);
}
