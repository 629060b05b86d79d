// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesizes the game's eleven sound cues, so no binary audio has to live in
// the repository. Usage: vexlor_wavegen OUTPUT_FOLDER

#include "CuePlayer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kEdgeFadeSeconds = 0.005;  // short enough to keep attacks crisp, long enough to avoid clicks

// Pure is a plain sine; Soft adds a quiet octave; Bell rings and decays;
// Brass stacks harmonics for the fanfare; Beep is a hard-edged alarm tone.
enum class Timbre { Pure, Soft, Bell, Brass, Beep };

struct Note {
    double start;   // seconds from the beginning of the cue
    double length;  // seconds
    double fromHz;  // pitch at the start of the note...
    double toHz;    // ...gliding to this pitch at its end
    double level;   // relative loudness within the cue
    Timbre timbre;
};

struct CueSound {
    Cue cue;
    double peak;  // loudest sample as a fraction of full scale
    std::vector<Note> notes;
};

// Pitches in Hz, named so the table reads as music.
constexpr double F3 = 174.61, G3 = 196.00, A3 = 220.00, B3 = 246.94;
constexpr double C4 = 261.63, D4 = 293.66, E4 = 329.63, G4 = 392.00, A4 = 440.00;
constexpr double C5 = 523.25, E5 = 659.25, G5 = 783.99, A5 = 880.00;
constexpr double C6 = 1046.50, E6 = 1318.51, G6 = 1567.98;

const std::vector<CueSound> &cueTable()
{
    static const std::vector<CueSound> table = {
        // first wrong click: a gentle falling two-tone
        {Cue::MMControl1, 0.45, {{0.00, 0.16, E5, E5, 1.0, Timbre::Soft},
                                 {0.16, 0.20, C5, C5, 1.0, Timbre::Soft}}},
        // right answer: a short pleasant chime
        {Cue::MMControl2, 0.55, {{0.00, 0.70, C6, C6, 1.0, Timbre::Bell},
                                 {0.06, 0.64, E6, E6, 0.8, Timbre::Bell}}},
        // later wrong clicks: the same shape, lower and firmer
        {Cue::MMControl3, 0.50, {{0.00, 0.18, E4, E4, 1.0, Timbre::Soft},
                                 {0.18, 0.24, B3, B3, 1.0, Timbre::Soft}}},
        // very bad: a long falling low tone
        {Cue::MMControl4, 0.55, {{0.00, 0.90, A3, A3 / 2, 1.0, Timbre::Soft}}},
        // bad: a low tone that sags a little
        {Cue::MMControl5, 0.50, {{0.00, 0.50, G3, F3, 1.0, Timbre::Soft}}},
        // sufficient: one plain middle tone
        {Cue::MMControl6, 0.45, {{0.00, 0.40, A4, A4, 1.0, Timbre::Pure}}},
        // good: two rising notes
        {Cue::MMControl7, 0.50, {{0.00, 0.18, C5, C5, 1.0, Timbre::Soft},
                                 {0.18, 0.30, G5, G5, 1.0, Timbre::Soft}}},
        // very good: three rising notes
        {Cue::MMControl8, 0.50, {{0.00, 0.15, C5, C5, 1.0, Timbre::Soft},
                                 {0.15, 0.15, E5, E5, 1.0, Timbre::Soft},
                                 {0.30, 0.30, G5, G5, 1.0, Timbre::Soft}}},
        // waaow, the best rating: a short brass fanfare ending on a chord
        {Cue::MMControl9, 0.60, {{0.00, 0.11, G4, G4, 1.0, Timbre::Brass},
                                 {0.13, 0.11, G4, G4, 1.0, Timbre::Brass},
                                 {0.26, 0.11, G4, G4, 1.0, Timbre::Brass},
                                 {0.39, 0.70, C5, C5, 1.0, Timbre::Brass},
                                 {0.39, 0.70, E5, E5, 0.7, Timbre::Brass},
                                 {0.39, 0.70, G5, G5, 0.6, Timbre::Brass}}},
        // excellent: a bright rising arpeggio that rings out
        {Cue::MMControl10, 0.55, {{0.00, 0.70, C5, C5, 1.0, Timbre::Bell},
                                  {0.08, 0.62, E5, E5, 1.0, Timbre::Bell},
                                  {0.16, 0.54, G5, G5, 1.0, Timbre::Bell},
                                  {0.24, 0.46, C6, C6, 1.0, Timbre::Bell},
                                  {0.32, 0.38, E6, E6, 0.9, Timbre::Bell},
                                  {0.40, 0.30, G6, G6, 0.8, Timbre::Bell}}},
        // alarm: four short sharp beeps
        {Cue::MMControl11, 0.65, {{0.00, 0.12, A5, A5, 1.0, Timbre::Beep},
                                  {0.20, 0.12, A5, A5, 1.0, Timbre::Beep},
                                  {0.40, 0.12, A5, A5, 1.0, Timbre::Beep},
                                  {0.60, 0.12, A5, A5, 1.0, Timbre::Beep}}},
    };
    return table;
}

// Raised-cosine ramp from 0 to 1 over `width` seconds, starting at t = 0.
double ramp(double t, double width)
{
    if (t <= 0.0)
        return 0.0;
    if (t >= width)
        return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / width);
}

// One note's waveform; `phase` is in cycles so glides stay continuous.
double voice(Timbre timbre, double phase, double t)
{
    const double w = 2.0 * std::numbers::pi * phase;
    switch (timbre) {
    case Timbre::Pure:
        return std::sin(w);
    case Timbre::Soft:
        return std::sin(w) + 0.25 * std::sin(2 * w);
    case Timbre::Bell:
        return std::exp(-4.0 * t) * (std::sin(w) + 0.4 * std::sin(2 * w) * std::exp(-6.0 * t)
                                     + 0.2 * std::sin(3 * w) * std::exp(-9.0 * t));
    case Timbre::Brass:
        return std::sin(w) + 0.6 * std::sin(2 * w) + 0.4 * std::sin(3 * w) + 0.25 * std::sin(4 * w)
               + 0.15 * std::sin(5 * w);
    case Timbre::Beep:
        return std::sin(w) + 0.3 * std::sin(3 * w) + 0.15 * std::sin(5 * w);
    }
    return 0.0;
}

void addNote(std::vector<double> &mix, const Note &note)
{
    const auto first = static_cast<std::size_t>(std::lround(note.start * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(note.length * kSampleRate));
    const double attack = note.timbre == Timbre::Bell ? 0.003 : 0.008;
    const double release = std::min(0.03, note.length / 3);
    double phase = 0.0;
    for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double hz = note.fromHz + (note.toHz - note.fromHz) * t / note.length;
        const double envelope = ramp(t, attack) * ramp(note.length - t, release);
        mix[first + i] += note.level * envelope * voice(note.timbre, phase, t);
        phase += hz / kSampleRate;
    }
}

std::vector<std::int16_t> render(const CueSound &sound)
{
    double end = 0.0;
    for (const Note &note : sound.notes)
        end = std::max(end, note.start + note.length);
    std::vector<double> mix(static_cast<std::size_t>(std::lround(end * kSampleRate)) + 1, 0.0);
    for (const Note &note : sound.notes)
        addNote(mix, note);

    // A fade at both edges guarantees the first and last samples are exactly zero.
    const double last = static_cast<double>(mix.size() - 1) / kSampleRate;
    double loudest = 0.0;
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        mix[i] *= ramp(t, kEdgeFadeSeconds) * ramp(last - t, kEdgeFadeSeconds);
        loudest = std::max(loudest, std::abs(mix[i]));
    }

    const double gain = loudest > 0.0 ? sound.peak * 32767.0 / loudest : 0.0;
    std::vector<std::int16_t> samples(mix.size());
    std::transform(mix.begin(), mix.end(), samples.begin(),
                   [gain](double v) { return static_cast<std::int16_t>(std::lround(v * gain)); });
    return samples;
}

// WAVE fields are little-endian whatever the host is, so bytes are written one by one.
void put(std::string &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string waveFile(const std::vector<std::int16_t> &samples)
{
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBitsPerSample = 16;
    constexpr std::uint32_t kBlockAlign = kChannels * kBitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);  // size of the PCM format chunk
    put(out, 1, 2);   // PCM
    put(out, kChannels, 2);
    put(out, kSampleRate, 4);
    put(out, kSampleRate * kBlockAlign, 4);
    put(out, kBlockAlign, 2);
    put(out, kBitsPerSample, 2);
    out += "data";
    put(out, dataBytes, 4);
    for (std::int16_t s : samples)
        put(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: vexlor_wavegen OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "vexlor_wavegen: cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }

    for (const CueSound &sound : cueTable()) {
        const std::filesystem::path path = folder / std::string(cueFileName(sound.cue));
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        const std::string bytes = waveFile(render(sound));
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file) {
            std::cerr << "vexlor_wavegen: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
