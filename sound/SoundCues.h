// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CuePlayer.h"
#include "CueRequests.h"

#include <QString>

#include <array>
#include <memory>
#include <thread>

class SoundBackend;

// The eleven cue players. A request only notes the cue for the sound thread
// and returns at once; missing or broken wave files and a missing sound
// device simply stay silent. The sound layer itself is a module that load()
// brings in on a worker thread, so that the program can start without it.
class SoundCues : public CuePlayer {
public:
    explicit SoundCues(QString waveFolder = defaultWaveFolder());
    ~SoundCues() override;

    // Beside the program in a build tree; in share/vexlor/sounds once installed.
    static QString defaultWaveFolder();

    SoundCues(const SoundCues &) = delete;
    SoundCues &operator=(const SoundCues &) = delete;

    // Loads the sound layer on a worker thread; later calls do nothing. Cues
    // asked for before it is ready play once it is, unless they are stale.
    void load();

    void PlayCue(Cue player, const CueCommands &commands) override;

    // For tests: the file a player was opened on (empty before "open"),
    // and how many "play" words it has executed.
    QString boundFile(Cue player) const;
    int playRequests(Cue player) const;

private:
    struct Player {
        QString file;
        int plays = 0;
    };

    QString m_folder;
    std::array<Player, kCueCount> m_players;
    CueRequests m_requests;
    std::thread m_loader;
    std::unique_ptr<SoundBackend> m_backend;  // set by the loader thread; read only after joining it
};
