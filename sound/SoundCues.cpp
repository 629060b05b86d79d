// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundCues.h"

#include "SoundBackend.h"
#include "SoundModule.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLatin1String>

#include <cstddef>
#include <string>
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

QString fileNameOf(Cue cue)
{
    const std::string_view name = cueFileName(cue);
    return QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
}

// The module beside the program in a build tree, in the package's private library folder once installed.
std::string backendModulePath()
{
    const QString beside = QCoreApplication::applicationDirPath();
    const QString built = beside + u'/' + QLatin1String(kSoundBackendFileName);
    if (QFileInfo::exists(built))
        return QFile::encodeName(built).toStdString();
    return QFile::encodeName(beside + QStringLiteral("/" VEXLOR_PRIVATE_LIBDIR_FROM_BIN "/")
                             + QLatin1String(kSoundBackendFileName))
        .toStdString();
}

std::unique_ptr<SoundBackend> loadBackend(const std::string &module, CueRequests &requests,
                                          const std::array<std::string, kCueCount> &waves)
{
    const auto create = SoundModule::entry<CreateSoundBackend>(module, kCreateSoundBackendSymbol);
    return std::unique_ptr<SoundBackend>(create ? create(requests, waves) : nullptr);
}

}  // namespace

QString SoundCues::defaultWaveFolder()
{
    const QString beside = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(beside + u'/' + fileNameOf(Cue::MMControl11)))
        return beside;
    return QFileInfo(beside + QStringLiteral("/../share/vexlor/sounds")).absoluteFilePath();
}

SoundCues::SoundCues(QString waveFolder)
    : m_folder(std::move(waveFolder))
{
}

SoundCues::~SoundCues()
{
    if (m_loader.joinable())
        m_loader.join();
}

void SoundCues::load()
{
    if (m_loader.joinable())
        return;
    std::array<std::string, kCueCount> waves;
    for (int i = 0; i < kCueCount; ++i)
        waves[static_cast<std::size_t>(i)] =
            QFile::encodeName(m_folder + u'/' + fileNameOf(static_cast<Cue>(i + 1))).toStdString();
    m_loader = std::thread([this, module = backendModulePath(), waves] {
        m_backend = loadBackend(module, m_requests, waves);
    });
}

void SoundCues::PlayCue(Cue player, const CueCommands &commands)
{
    if (!isValid(player))
        return;
    Player &target = m_players[indexOf(player)];
    for (std::string_view text : {commands.open, commands.play, commands.rewind}) {
        switch (parseWord(text)) {
        case Word::Open:
            if (target.file.isEmpty())
                target.file = m_folder + u'/' + fileNameOf(player);
            break;
        case Word::Play:
            ++target.plays;
            if (!target.file.isEmpty())
                m_requests.request(static_cast<int>(indexOf(player)));
            break;
        case Word::Rewind:
            // Every play starts the cue from its beginning, so there is nothing to rewind.
            break;
        case Word::Unknown:
            break;
        }
    }
}

QString SoundCues::boundFile(Cue player) const
{
    return isValid(player) ? m_players[indexOf(player)].file : QString();
}

int SoundCues::playRequests(Cue player) const
{
    return isValid(player) ? m_players[indexOf(player)].plays : 0;
}
