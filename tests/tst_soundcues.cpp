// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundCues.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

QString fileName(Cue cue)
{
    const std::string_view name = cueFileName(cue);
    return QLatin1String(name.data(), qsizetype(name.size()));
}

QString binDir()
{
    return QCoreApplication::applicationDirPath();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray readWave(const QString &folder, int index)
{
    return readFile(folder + u'/' + fileName(static_cast<Cue>(index + 1)));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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
        QVERIFY2(timer.elapsed() < 10, qPrintable(fileName(static_cast<Cue>(i))));
    }
}

// Runs the event loop for `ms` while `tick` runs every few milliseconds; returns
// the longest gap between two turns of a 1 ms timer.
qint64 longestStall(int ms, const std::function<void()> &tick)
{
    QTimer beat, work;
    QElapsedTimer since;
    QEventLoop loop;
    qint64 longest = 0;
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longest = std::max(longest, since.restart());
    });
    QObject::connect(&work, &QTimer::timeout, tick);
    since.start();
    beat.start(1);
    work.start(7);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return longest;
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
        QCOMPARE(QProcess::execute(binDir() + "/vexlor_wavegen", {again.path()}), 0);
        for (int i = 0; i < kCueCount; ++i) {
            const char *name = kCueFileNames[i].data();
            const QByteArray bytes = readWave(binDir(), i);
            const std::vector<qint16> samples = pcmSamples(bytes);
            QVERIFY2(!samples.empty(), name);  // missing, or not a well-formed mono 16-bit PCM wave
            QVERIFY2(samples.size() >= 2205 && samples.size() <= 44100, name);  // 0.1 to 2 seconds
            QVERIFY2(std::abs(samples.front()) < 500 && std::abs(samples.back()) < 500, name);  // no click at the edges
            const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
            QVERIFY2(*high > 3000 && *low > -32768 && *high < 32767, name);  // neither silent nor clipping
            QCOMPARE(readWave(again.path(), i), bytes);
            for (int j = i + 1; j < kCueCount; ++j)
                QVERIFY2(readWave(binDir(), j) != bytes, kCueFileNames[j].data());
        }
    }

    void commandWords_data()
    {
        QTest::addColumn<QByteArrayList>("words");
        QTest::addColumn<bool>("bound");
        QTest::addColumn<int>("plays");
        QTest::newRow("tile click") << QByteArrayList{"Open", "play", "Prev"} << true << 1;
        QTest::newRow("alarm") << QByteArrayList{"open", "play", "prev"} << true << 1;
        QTest::newRow("any case") << QByteArrayList{"OPEN", "PlAy", "PREV"} << true << 1;
        QTest::newRow("unknown words") << QByteArrayList{"shut", "stop", "next"} << false << 0;
    }

    // The players take their words in any case and bind the file of their cue beside the program.
    void commandWords()
    {
        QFETCH(QByteArrayList, words);
        QFETCH(bool, bound);
        QFETCH(int, plays);
        SoundCues cues;
        const CueCommands commands{words[0].constData(), words[1].constData(), words[2].constData()};
        requestAll(cues, commands);
        requestAll(cues, commands);  // again: a cue may be asked for any number of times
        for (int i = 1; i <= kCueCount; ++i) {
            const auto cue = static_cast<Cue>(i);
            QCOMPARE(cues.boundFile(cue), bound ? binDir() + u'/' + fileName(cue) : QString());
            QCOMPARE(cues.playRequests(cue), 2 * plays);
        }
    }

    void withoutASoundServer_data()
    {
        QTest::addColumn<bool>("alsaDevice");
        QTest::addColumn<bool>("brokenWaves");
        QTest::newRow("no device at all") << false << false;
        QTest::newRow("ALSA device") << true << false;
        QTest::newRow("ALSA device, missing and broken waves") << true << true;
    }

    // No server: cues go straight to ALSA's default device when there is one, and stay
    // silent when there is none or the wave cannot be read; requests never wait either way.
    void withoutASoundServer()
    {
        QFETCH(bool, alsaDevice);
        QFETCH(bool, brokenWaves);
        QTemporaryDir dir;
        const QString heard = dir.filePath("heard.raw");
        const QString config = dir.filePath("asound.conf");
        QVERIFY(writeFile(config, alsaDevice ? QByteArray("pcm.!default { type file; slave.pcm { type null }; file \"")
                                                   + heard.toUtf8() + "\"; format \"raw\" }\n"
                                             : QByteArray("\n")));
        qputenv("ALSA_CONFIG_PATH", config.toUtf8());
        qputenv("PULSE_SERVER", "unix:" + dir.filePath("no-server").toUtf8());

        QString folder = binDir();
        if (brokenWaves) {
            // Tri1 is missing; the others are text, cut short, a bare header, empty, a folder.
            const QByteArray wave = readWave(binDir(), 0);
            const std::array<QByteArray, 4> broken = {"not a wave", wave.left(wave.size() / 3), wave.left(44), {}};
            for (int i = 0; i < 4; ++i)
                QVERIFY(writeFile(dir.filePath(fileName(static_cast<Cue>(i + 2))), broken[i]));
            QVERIFY(QDir(dir.path()).mkdir(fileName(Cue::MMControl6)));
            folder = dir.path();
        }
        SoundCues cues(folder);
        cues.load();
        requestAll(cues, kAlarmCommands);  // before the sound layer is in: played once it is
        QTest::qWait(500);
        cues.PlayCue(Cue::MMControl1, kTileClickCommands);  // the first wrong click
        QTRY_VERIFY_WITH_TIMEOUT(!alsaDevice || brokenWaves || readFile(heard).size() >= readWave(binDir(), 0).size() - 44, 3000);
        QTest::qWait(300);
        const QByteArray played = readFile(heard);
        if (!alsaDevice || brokenWaves) {
            QCOMPARE(played.size(), 0);
        } else {
            // The last cue asked for cut the alarm short and played whole, sample for sample.
            QVERIFY(played.endsWith(readWave(binDir(), 0).mid(44)));
        }
        qunsetenv("ALSA_CONFIG_PATH");
        qunsetenv("PULSE_SERVER");
    }

    // On a private PulseAudio server: the waves go into its sample cache as soon as the
    // sound layer is in, and a stream of cues does not hold up the event loop.
    void withAPrivateSoundServer()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("run") && QFile::setPermissions(dir.filePath("run"), QFileDevice::ReadOwner
                                                                           | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", dir.filePath("run").toUtf8());
        qputenv("PULSE_RUNTIME_PATH", dir.filePath("run/pulse").toUtf8());
        qputenv("HOME", dir.path().toUtf8());
        qunsetenv("PULSE_SERVER");
        QProcess server;
        server.start("pulseaudio", {"--daemonize=no", "-n", "--exit-idle-time=-1", "--load=module-null-sink",
                                    "--load=module-native-protocol-unix"});
        const auto pactl = [](const QStringList &args) {
            QProcess p;
            p.start("pactl", args);
            p.waitForFinished(5000);
            return p.exitCode() == 0 ? p.readAllStandardOutput() : QByteArray();
        };
        QTRY_VERIFY_WITH_TIMEOUT(!pactl({"info"}).isEmpty() || server.state() == QProcess::NotRunning, 5000);
        if (pactl({"info"}).isEmpty())
            QSKIP("no PulseAudio server can be started here");

        SoundCues cues;
        cues.load();
        QTRY_COMPARE_WITH_TIMEOUT(pactl({"list", "samples", "short"}).count("vexlor-"), kCueCount, 5000);

        // Asked again while it plays, a cue starts over: one stream, not two.
        cues.PlayCue(Cue::MMControl11, kAlarmCommands);
        QTest::qWait(150);
        cues.PlayCue(Cue::MMControl11, kAlarmCommands);
        QTest::qWait(100);
        QCOMPARE(pactl({"list", "sink-inputs", "short"}).count('\n'), 1);
        QTest::qWait(1000);

        const qint64 idle = longestStall(1500, [] {});
        int next = 0;
        qint64 longestRequest = 0;
        const qint64 playing = longestStall(1500, [&] {
            QElapsedTimer request;
            request.start();
            cues.PlayCue(static_cast<Cue>(next++ / 2 % kCueCount + 1), kTileClickCommands);  // each cue twice over
            longestRequest = std::max(longestRequest, request.nsecsElapsed());
        });
        qInfo("longest event-loop stall: %lld ms idle, %lld ms while %d cues were asked for; longest request %lld us",
              idle, playing, next, longestRequest / 1000);
        QVERIFY2(longestRequest < 10'000'000, "a request waited on sound");

        // A server that hangs holds up nothing either.
        QCOMPARE(QProcess::execute("kill", {"-STOP", QString::number(server.processId())}), 0);
        requestAll(cues, kAlarmCommands);
        QTest::qWait(200);
        requestAll(cues, kTileClickCommands);
        QCOMPARE(QProcess::execute("kill", {"-CONT", QString::number(server.processId())}), 0);
        server.kill();
        server.waitForFinished();
        for (const char *name : {"XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "HOME"})
            qunsetenv(name);
    }
};

QTEST_MAIN(TestSoundCues)
#include "tst_soundcues.moc"
