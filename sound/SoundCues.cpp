#include "SoundCues.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QLatin1String>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <cstddef>
#include <string_view>
#include <utility>

namespace {

enum class Word { Open, Play, Rewind, Unknown };

Word parseWord(std::string_view text)
{
    const QLatin1String word(text.data(), static_cast<qsizetype>(text.size()));
    if (word.compare(QLatin1String("open"), Qt::CaseInsensitive) == 0)
        return Word::Open;
    if (word.compare(QLatin1String("play"), Qt::CaseInsensitive) == 0)
        return Word::Play;
    if (word.compare(QLatin1String("prev"), Qt::CaseInsensitive) == 0)
        return Word::Rewind;
    return Word::Unknown;
}

std::size_t indexOf(Cue cue)
{
    return static_cast<std::size_t>(static_cast<int>(cue) - 1);
}

bool isValid(Cue cue)
{
    const int n = static_cast<int>(cue);
    return n >= 1 && n <= kCueCount;
}

}  // namespace

QString SoundCues::defaultWaveFolder()
{
    const QString beside = QCoreApplication::applicationDirPath();
    const std::string_view alarm = cueFileName(Cue::MMControl11);
    const QString probe = QLatin1String(alarm.data(), static_cast<qsizetype>(alarm.size()));
    if (QFileInfo::exists(beside + u'/' + probe))
        return beside;
    return QFileInfo(beside + QStringLiteral("/../share/vexlor/sounds")).absoluteFilePath();
}

SoundCues::SoundCues(QString waveFolder)
    : m_folder(std::move(waveFolder))
{
}

SoundCues::~SoundCues() = default;

void SoundCues::PlayCue(Cue player, const CueCommands &commands)
{
    if (!isValid(player))
        return;
    Player &target = m_players[indexOf(player)];
    for (std::string_view text : {commands.open, commands.play, commands.rewind}) {
        switch (parseWord(text)) {
        case Word::Open:
            open(target, player);
            break;
        case Word::Play:
            play(target);
            break;
        case Word::Rewind:
            // QSoundEffect always plays from the start, so there is nothing to rewind.
            break;
        case Word::Unknown:
            break;
        }
    }
}

void SoundCues::open(Player &player, Cue cue)
{
    if (player.file.isEmpty()) {
        const std::string_view name = cueFileName(cue);
        player.file = m_folder + u'/' + QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
    }
    ensureEffect(player);
}

void SoundCues::play(Player &player)
{
    ++player.plays;
    ensureEffect(player);
    if (!player.effect)
        return;
    // A repeated request starts the cue again from its beginning.
    if (player.effect->isPlaying())
        player.effect->stop();
    player.effect->play();
}

void SoundCues::ensureEffect(Player &player)
{
    // Without a file or a device there is nothing to hear, and Qt would only warn;
    // retried on each play so a device or file that turns up later is heard.
    if (player.effect || player.file.isEmpty() || !QFileInfo(player.file).isFile()
        || QMediaDevices::defaultAudioOutput().isNull())
        return;
    player.effect = std::make_unique<QSoundEffect>();
    player.effect->setSource(QUrl::fromLocalFile(player.file));
}

QString SoundCues::boundFile(Cue player) const
{
    return isValid(player) ? m_players[indexOf(player)].file : QString();
}

int SoundCues::playRequests(Cue player) const
{
    return isValid(player) ? m_players[indexOf(player)].plays : 0;
}
