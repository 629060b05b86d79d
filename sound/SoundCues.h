#pragma once

#include "CuePlayer.h"
#include "CueRequests.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <thread>

class SoundBackend;

// The eleven cue players. A request only notes the cue for the sound thread
// and returns at once; missing or broken wave files and a missing sound
// device simply stay silent. The sound layer itself is a module loaded on a
// worker thread once the first window has been painted.
class SoundCues : public QObject, public CuePlayer {
public:
    explicit SoundCues(QString waveFolder = defaultWaveFolder());
    ~SoundCues() override;

    // Beside the program in a build tree; in share/vexlor/sounds once installed.
    static QString defaultWaveFolder();

    SoundCues(const SoundCues &) = delete;
    SoundCues &operator=(const SoundCues &) = delete;

    // Loads the sound layer right after the first paint of `window`.
    void loadAfterFirstPaint(QObject &window);
    // Loads it now, on a worker thread; later calls do nothing.
    void load();

    void PlayCue(Cue player, const CueCommands &commands) override;

    // For tests: the file a player was opened on (empty before "open"),
    // and how many "play" words it has executed.
    QString boundFile(Cue player) const;
    int playRequests(Cue player) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

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
