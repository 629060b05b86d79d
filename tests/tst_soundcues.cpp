// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundCues.h"
#include "TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString binDir() { return QCoreApplication::applicationDirPath(); }
// The wave of each player, MMControl1 to MMControl11.
constexpr const char *kFileNames[kCueCount]{"tri1.wav", "right1.wav", "help1.wav", "vb.wav", "b.wav", "suf.wav",
                                            "g.wav",    "vg.wav",     "wo.wav",    "ex.wav", "Alarm.wav"};
QByteArray wave(int index) { return fileBytes(binDir() + u'/' + kFileNames[index]); }

// The samples of a 44-byte-header mono 16-bit 22050 Hz PCM wave; empty on any mismatch, lengths included.
std::vector<qint16> pcmSamples(const QByteArray &b)
{
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    if (b.size() <= 44 || b.left(4) != "RIFF" || u32(4) != quint32(b.size() - 8)
        || b.mid(8, 8) != "WAVEfmt " || u32(16) != 16 || u16(20) != 1 || u16(22) != 1
        || u32(24) != 22050 || u32(28) != 44100 || u16(32) != 2 || u16(34) != 16
        || b.mid(36, 4) != "data" || u32(40) != quint32(b.size() - 44))
        return {};
    std::vector<qint16> samples(std::size_t(b.size() - 44) / 2);
    qFromLittleEndian<qint16>(b.constData() + 44, qsizetype(samples.size()), samples.data());
    return samples;
}

#if defined(__SANITIZE_THREAD__)
constexpr qint64 kRequestLimitMs = 50;  // ThreadSanitizer slows every lock and atomic several times over
#else
constexpr qint64 kRequestLimitMs = 10;
#endif

// Asks every player for its cue, failing if a request waits.
void requestAll(SoundCues &cues, const CueCommands &words)
{
    for (int i = 0; i < kCueCount; ++i) {
        QElapsedTimer timer;
        timer.start();
        cues.PlayCue(static_cast<Cue>(i + 1), words);
        QVERIFY2(timer.elapsed() < kRequestLimitMs, kFileNames[i]);
    }
}

}  // namespace

// The eleven wave files beside the program, and the players that request them.
class TestSoundCues : public QObject {
    Q_OBJECT
private slots:
    // Each wave well-formed, 0.1 to 2 s, no clicks at its edges, neither silent nor clipping, distinct, reproducible.
    void wavesAreCleanDistinctAndReproducible()
    {
        QTemporaryDir again;
        QCOMPARE(QProcess::execute(binDir() + "/vexlor_wavegen", {again.path()}), 0);
        for (int i = 0; i < kCueCount; ++i) {
            const QByteArray bytes = wave(i);
            const std::vector<qint16> s = pcmSamples(bytes);
            QVERIFY2(s.size() >= 2205 && s.size() <= 44100, kFileNames[i]);
            const auto [low, high] = std::minmax_element(s.begin(), s.end());
            QVERIFY2(std::abs(s.front()) < 500 && std::abs(s.back()) < 500 && *high > 3000 && *low > -32768 && *high < 32767,
                     kFileNames[i]);
            QCOMPARE(fileBytes(again.filePath(kFileNames[i])), bytes);
            for (int j = i + 1; j < kCueCount; ++j)
                QVERIFY2(wave(j) != bytes, kFileNames[j]);
        }
    }

    void commandWords_data()
    {
        QTest::addColumn<QByteArrayList>("words");
        QTest::addColumn<int>("plays");
        QTest::newRow("tile click") << QByteArrayList{"Open", "play", "Prev"} << 1;
        QTest::newRow("alarm") << QByteArrayList{"open", "play", "prev"} << 1;
        QTest::newRow("any case") << QByteArrayList{"OPEN", "PlAy", "PREV"} << 1;
        QTest::newRow("unknown words") << QByteArrayList{"shut", "stop", "next"} << 0;
    }

    // The players take their words in any case, as often as asked, and bind the file of their cue.
    void commandWords()
    {
        QFETCH(QByteArrayList, words);
        QFETCH(int, plays);
        SoundCues cues;
        const CueCommands commands{words[0].constData(), words[1].constData(), words[2].constData()};
        requestAll(cues, commands);
        requestAll(cues, commands);  // a cue may be asked for any number of times
        for (int i = 0; i < kCueCount; ++i) {
            QCOMPARE(cues.boundFile(static_cast<Cue>(i + 1)), plays ? binDir() + u'/' + kFileNames[i] : QString());
            QCOMPARE(cues.playRequests(static_cast<Cue>(i + 1)), 2 * plays);
        }
    }

    void withoutASoundServer_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("brokenWaves");
        QTest::newRow("no device at all") << "" << false;
        QTest::newRow("ALSA device") << "file" << false;
        QTest::newRow("ALSA device, missing and broken waves") << "file" << true;
        QTest::newRow("ALSA device that blocks for good: a pipe nobody reads") << "pipe" << false;
    }

    // No server: cues go to ALSA's default device if any, silent without one or a readable wave; never
    // waiting. The players end at once, also while the device blocks; their thread once it is read.
    void withoutASoundServer()
    {
        QFETCH(QString, device);
        QFETCH(bool, brokenWaves);
        QTemporaryDir dir;
        const QString heard = dir.filePath("heard.raw"), config = dir.filePath("asound.conf");
        const bool blocks = device == u"pipe";
        QVERIFY(!blocks || ::mkfifo(QFile::encodeName(heard).constData(), 0600) == 0);
        QVERIFY(putFile(config, device.isEmpty() ? QByteArray("\n")
                                                 : "pcm.!default { type file; slave.pcm { type null }; file \""
                                                       + heard.toUtf8() + "\"; format \"raw\" }\n"));
        qputenv("ALSA_CONFIG_PATH", config.toUtf8());
        qputenv("PULSE_SERVER", "unix:" + dir.filePath("no-server").toUtf8());
        if (brokenWaves) {  // tri1 missing; the next four text, cut short, a bare header, empty; suf a folder
            const QByteArray good = wave(0);
            const QByteArrayList broken{"not a wave", good.left(good.size() / 3), good.left(44), {}};
            for (int i = 0; i < 4; ++i)
                QVERIFY(putFile(dir.filePath(kFileNames[i + 1]), broken[i]));
            QVERIFY(QDir(dir.path()).mkdir(kFileNames[5]));
        }
        auto cues = std::make_unique<SoundCues>(brokenWaves ? dir.path() : binDir());
        cues->load();
        requestAll(*cues, kAlarmCommands);  // before the sound layer is in: played once it is
        QTest::qWait(500);
        if (!blocks) {
            cues->PlayCue(Cue::MMControl1, kTileClickCommands);
            const bool plays = !device.isEmpty() && !brokenWaves;
            QTRY_VERIFY_WITH_TIMEOUT(!plays || fileBytes(heard).size() >= wave(0).size() - 44, 3000);
            QTest::qWait(300);
            // The last cue asked for cuts the alarm short and plays whole, sample for sample.
            QVERIFY(plays ? fileBytes(heard).endsWith(wave(0).mid(44)) : QFile(heard).size() == 0);
        }
        QElapsedTimer ending;
        ending.start();
        cues.reset();
        QVERIFY2(ending.elapsed() < 1000, qPrintable(QString::number(ending.elapsed()) + " ms to end"));
        if (!blocks)
            return;
        const auto threads = [] { return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(); };
        const qsizetype leftBehind = threads();
        const int reader = ::open(QFile::encodeName(heard).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(reader >= 0);
        QTest::qWait(200);  // the writer's open completes
        const auto writerClosed = [reader] {  // an end of file: the thread left behind closed the device after all
            char buffer[65536];
            ssize_t got;
            while ((got = ::read(reader, buffer, sizeof buffer)) > 0) {
            }
            return got == 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(writerClosed(), 3000);
        ::close(reader);
        QTRY_COMPARE_WITH_TIMEOUT(threads(), leftBehind - 1, 3000);
    }

    // A private PulseAudio server started late, hung, and started again: waves cached as soon as it runs, a cue
    // asked again starts over, no request waits, and the next cue after a restart plays.
    void withAPrivateSoundServer()
    {
        QTemporaryDir dir;  // private to its owner, as a runtime folder must be
        for (const char *name : {"XDG_RUNTIME_DIR", "HOME"})
            qputenv(name, dir.path().toUtf8());
        for (const char *name : {"PULSE_RUNTIME_PATH", "PULSE_SERVER"})
            qunsetenv(name);
        qputenv("ALSA_CONFIG_PATH", "/dev/null");  // no sound card: a cue that misses the server is not heard
        const auto pactl = [](const QStringList &args) {
            QProcess p;
            p.start("pactl", args);
            p.waitForFinished(5000);
            return p.exitCode() == 0 ? p.readAllStandardOutput() : QByteArray();
        };
        QProcess server;
        const auto startServer = [&] {
            server.start("pulseaudio", {"--daemonize=no", "-n", "--exit-idle-time=-1", "--load=module-null-sink",
                                        "--load=module-native-protocol-unix"});
            QTRY_VERIFY_WITH_TIMEOUT(!pactl({"info"}).isEmpty() || server.state() == QProcess::NotRunning, 5000);
        };
        SoundCues cues;
        cues.load();
        QTest::qWait(700);
        startServer();
        if (pactl({"info"}).isEmpty())
            QSKIP("no PulseAudio server can be started here");

        QTRY_COMPARE_WITH_TIMEOUT(pactl({"list", "samples", "short"}).count("vexlor-"), kCueCount, 5000);
        for (int wait : {150, 100}) {
            cues.PlayCue(Cue::MMControl11, kAlarmCommands);
            QTest::qWait(wait);
        }
        QCOMPARE(pactl({"list", "sink-inputs", "short"}).count('\n'), 1);
        QTest::qWait(1000);
        for (int round = 0; round < 20; ++round) {
            requestAll(cues, kTileClickCommands);
            QTest::qWait(70);
        }
        QCOMPARE(::kill(pid_t(server.processId()), SIGSTOP), 0);
        requestAll(cues, kAlarmCommands);
        QTest::qWait(200);
        requestAll(cues, kTileClickCommands);
        server.kill();
        server.waitForFinished();

        startServer();
        QTRY_COMPARE_WITH_TIMEOUT(pactl({"list", "samples", "short"}).count("vexlor-"), kCueCount, 5000);
        cues.PlayCue(Cue::MMControl11, kAlarmCommands);
        QTRY_VERIFY_WITH_TIMEOUT(pactl({"list", "sink-inputs"}).contains("media.role = \"event\""), 400);
        server.kill();
        server.waitForFinished();
    }
};

QTEST_MAIN(TestSoundCues)
#include "tst_soundcues.moc"
