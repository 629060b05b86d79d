#include "SoundCues.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace {

QString fileName(Cue cue)
{
    const std::string_view name = cueFileName(cue);
    return QLatin1String(name.data(), qsizetype(name.size()));
}

QByteArray readWave(const QString &folder, int index)
{
    QFile file(folder + u'/' + fileName(static_cast<Cue>(index + 1)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Reads a canonical 44-byte-header mono 16-bit 22050 Hz PCM wave; empty on any mismatch,
// including a RIFF or data length that disagrees with the file.
std::vector<qint16> pcmSamples(const QByteArray &b)
{
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    if (b.size() <= 44 || b.left(4) != "RIFF" || u32(4) != quint32(b.size() - 8)
        || b.mid(8, 8) != "WAVEfmt " || u32(16) != 16 || u16(20) != 1 || u16(22) != 1
        || u32(24) != 22050 || u32(28) != 44100 || u16(32) != 2 || u16(34) != 16
        || b.mid(36, 4) != "data" || u32(40) != quint32(b.size() - 44))
        return {};
    std::vector<qint16> samples;
    for (int at = 44; at + 1 < b.size(); at += 2)
        samples.push_back(qint16(u16(at)));
    return samples;
}

// Sends every player one request, failing if any of them blocks.
void requestAll(SoundCues &cues, const CueCommands &words)
{
    for (int i = 1; i <= kCueCount; ++i) {
        QElapsedTimer timer;
        timer.start();
        cues.PlayCue(static_cast<Cue>(i), words);
        QVERIFY2(timer.elapsed() < 50, qPrintable(fileName(static_cast<Cue>(i))));
    }
}

}  // namespace

// The eleven wave files beside the program, and the players that request them.
class TestSoundCues : public QObject {
    Q_OBJECT
private slots:
    // Each wave is short, clean and well-formed, unlike the others, and made again byte for byte.
    void wavesAreCleanDistinctAndReproducible()
    {
        QTemporaryDir again;
        const QString binDir = QCoreApplication::applicationDirPath();
        QCOMPARE(QProcess::execute(binDir + "/vexlor_wavegen", {again.path()}), 0);
        for (int i = 0; i < kCueCount; ++i) {
            const char *name = kCueFileNames[i].data();
            const QByteArray bytes = readWave(binDir, i);
            const std::vector<qint16> samples = pcmSamples(bytes);
            QVERIFY2(!samples.empty(), name);  // missing, or not a well-formed mono 16-bit PCM wave
            QVERIFY2(samples.size() >= 2205 && samples.size() <= 44100, name);  // 0.1 to 2 seconds
            QVERIFY2(std::abs(samples.front()) < 500 && std::abs(samples.back()) < 500, name);  // no click at the edges
            const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
            QVERIFY2(*high > 3000 && *low > -32768 && *high < 32767, name);  // neither silent nor clipping
            QCOMPARE(readWave(again.path(), i), bytes);
            for (int j = i + 1; j < kCueCount; ++j)
                QVERIFY2(readWave(binDir, j) != bytes, kCueFileNames[j].data());
        }
    }

    void playersBindTheirFilesAndCountPlays()
    {
        SoundCues cues;  // defaults to the folder of the program, where the waves are built
        cues.PlayCue(Cue::MMControl3, {"shut", "stop", "next"});  // unknown words do nothing
        QVERIFY(cues.boundFile(Cue::MMControl3).isEmpty() && cues.playRequests(Cue::MMControl3) == 0);
        requestAll(cues, {"OPEN", "PlAy", "PREV"});  // the words in any case
        const QString binDir = QCoreApplication::applicationDirPath();
        for (int i = 1; i <= kCueCount; ++i)
            QCOMPARE(cues.boundFile(static_cast<Cue>(i)), binDir + u'/' + fileName(static_cast<Cue>(i)));
        requestAll(cues, kTileClickCommands);  // a later request plays the cue again
        requestAll(cues, kAlarmCommands);
        for (int i = 1; i <= kCueCount; ++i)
            QCOMPARE(cues.playRequests(static_cast<Cue>(i)), 3);
    }

    void missingOrBrokenFilesStaySilent()
    {
        const QByteArray wave = readWave(QCoreApplication::applicationDirPath(), 0);
        QVERIFY(!wave.isEmpty());
        QTemporaryDir dir;
        const std::array<QByteArray, 4> broken = {
            "this is not a wave file", wave.left(wave.size() / 3), wave.left(20), QByteArray()};
        for (int i = 0; i < 4; ++i) {
            QFile file(dir.filePath(fileName(static_cast<Cue>(i + 1))));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(broken[i]) == broken[i].size());
        }
        QVERIFY(QDir(dir.path()).mkdir("b.wav"));  // a folder where a file should be

        SoundCues absent(dir.filePath("no-such-folder"));
        SoundCues damaged(dir.path());
        for (int round = 0; round < 2; ++round) {
            requestAll(absent, kTileClickCommands);
            requestAll(damaged, kAlarmCommands);
            QTest::qWait(200);  // load failures surface asynchronously
        }
        QCOMPARE(absent.playRequests(Cue::MMControl1), 2);
        QCOMPARE(damaged.boundFile(Cue::MMControl2), dir.filePath("right1.wav"));
    }
};

QTEST_MAIN(TestSoundCues)
#include "tst_soundcues.moc"
