#pragma once

#include "CuePlayer.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <memory>

class QSoundEffect;

// Plays the eleven cues through QSoundEffect. Every request returns at once;
// missing or broken wave files and a missing audio device simply stay silent.
class SoundCues : public CuePlayer {
public:
    explicit SoundCues(QString waveFolder = defaultWaveFolder());

    // Beside the program in a build tree; in share/vexlor/sounds once installed.
    static QString defaultWaveFolder();
    ~SoundCues() override;

    SoundCues(const SoundCues &) = delete;
    SoundCues &operator=(const SoundCues &) = delete;

    void PlayCue(Cue player, const CueCommands &commands) override;

    // For tests: the file a player was opened on (empty before "open"),
    // and how many "play" words it has executed.
    QString boundFile(Cue player) const;
    int playRequests(Cue player) const;

private:
    struct Player {
        QString file;
        std::unique_ptr<QSoundEffect> effect;  // made once the file and a device exist
        int plays = 0;
    };

    void open(Player &player, Cue cue);
    static void play(Player &player);
    static void ensureEffect(Player &player);

    QString m_folder;
    std::array<Player, kCueCount> m_players;
};
