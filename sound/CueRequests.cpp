// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CueRequests.h"

#include <sys/eventfd.h>
#include <time.h>
#include <unistd.h>

CueRequests::CueRequests()
    : m_wake(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
}

CueRequests::~CueRequests()
{
    if (m_wake >= 0)
        close(m_wake);
}

void CueRequests::request(int index)
{
    if (index < 0 || index >= kCueCount)
        return;
    m_requestedAt[static_cast<std::size_t>(index)].store(nowNanoseconds(), std::memory_order_release);
    const std::uint64_t one = 1;
    // Non-blocking: a full counter already means the sound thread has a wake-up waiting.
    [[maybe_unused]] const ssize_t written = write(m_wake, &one, sizeof one);
}

std::array<std::int64_t, kCueCount> CueRequests::take()
{
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t got = read(m_wake, &count, sizeof count);
    std::array<std::int64_t, kCueCount> fresh{};
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        const std::int64_t at = m_requestedAt[i].load(std::memory_order_acquire);
        if (at != m_taken[i]) {
            m_taken[i] = at;
            fresh[i] = at;
        }
    }
    return fresh;
}

std::int64_t CueRequests::nowNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}
