// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveData.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr std::size_t kLargestWave = 16 * 1024 * 1024;  // cues are short; refuse anything huge

std::uint32_t le32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return u[0] | (u[1] << 8) | (u[2] << 16) | (std::uint32_t(u[3]) << 24);
}

std::uint16_t le16(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return std::uint16_t(u[0] | (u[1] << 8));
}

}  // namespace

WaveData WaveData::read(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<char> file;
    if (in) {
        in.seekg(0, std::ios::end);
        const auto size = static_cast<std::size_t>(std::max<std::streamoff>(0, in.tellg()));
        if (size > kLargestWave)
            return {};
        in.seekg(0);
        file.assign(std::istreambuf_iterator<char>(in), {});
    }
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 || std::memcmp(file.data() + 8, "WAVE", 4) != 0)
        return {};

    WaveData wave;
    bool format = false;
    // Walk the chunks; each is padded to an even length.
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const char *chunk = file.data() + at;
        const std::size_t length = le32(chunk + 4);
        const std::size_t body = at + 8;
        if (length > file.size() - body)
            return {};
        if (std::memcmp(chunk, "fmt ", 4) == 0 && length >= 16) {
            const std::uint16_t tag = le16(chunk + 8), bits = le16(chunk + 22);
            wave.m_channels = le16(chunk + 10);
            wave.m_rate = le32(chunk + 12);
            format = tag == 1 && bits == 16 && (wave.m_channels == 1 || wave.m_channels == 2) && wave.m_rate >= 8000
                     && wave.m_rate <= 192000;
        } else if (std::memcmp(chunk, "data", 4) == 0 && format) {
            const std::size_t frame = 2 * wave.m_channels;
            wave.m_bytes.assign(file.begin() + std::ptrdiff_t(body),
                                file.begin() + std::ptrdiff_t(body + length / frame * frame));
            return wave;
        }
        at = body + length + (length & 1);
    }
    return {};
}

std::int64_t WaveData::durationNanoseconds() const
{
    if (empty())
        return 0;
    const auto frames = static_cast<std::int64_t>(m_bytes.size() / (2 * m_channels));
    return frames * 1'000'000'000LL / m_rate;
}
