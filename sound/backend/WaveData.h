// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The samples of a 16-bit PCM wave file, mono or stereo. Anything else, or a
// file that is missing or damaged, reads as empty: a cue that stays silent.
class WaveData {
public:
    static WaveData read(const std::string &path);

    bool empty() const { return m_bytes.empty(); }
    const std::vector<char> &bytes() const { return m_bytes; }  // little-endian, interleaved
    unsigned rate() const { return m_rate; }
    unsigned channels() const { return m_channels; }
    std::int64_t durationNanoseconds() const;

private:
    std::vector<char> m_bytes;
    unsigned m_rate = 0;
    unsigned m_channels = 0;
};
