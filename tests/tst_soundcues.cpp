#include "SoundCues.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>

namespace {

QString fileName(Cue cue)
{
    const std::string_view name = cueFileName(cue);
    return QLatin1String(name.data(), qsizetype(name.size()));
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

class TestSoundCues : public QObject {
    Q_OBJECT
private slots:
    void playersBindTheirFilesAndCountPlays()
    {
        SoundCues cues;  // defaults to the folder of the program, where the waves are built
        const QString binDir = QCoreApplication::applicationDirPath();
        for (const CueCommands &words : {kTileClickCommands, kAlarmCommands})
            requestAll(cues, words);
        for (int i = 1; i <= kCueCount; ++i) {
            QCOMPARE(cues.boundFile(static_cast<Cue>(i)), binDir + u'/' + fileName(static_cast<Cue>(i)));
            QCOMPARE(cues.playRequests(static_cast<Cue>(i)), 2);
        }
        for (int n = 0; n < 3; ++n) {  // requests while the alarm still sounds are each taken
            cues.PlayCue(Cue::MMControl11, kAlarmCommands);
            QTest::qWait(10);
        }
        QCOMPARE(cues.playRequests(Cue::MMControl11), 5);
        QCOMPARE(cues.playRequests(Cue::MMControl10), 2);
    }

    void wordsIgnoreCaseAndUnknownOnesAreSkipped()
    {
        SoundCues cues(QCoreApplication::applicationDirPath());
        cues.PlayCue(Cue::MMControl3, {"shut", "stop", "next"});
        QVERIFY(cues.boundFile(Cue::MMControl3).isEmpty());
        QCOMPARE(cues.playRequests(Cue::MMControl3), 0);
        cues.PlayCue(Cue::MMControl3, {"OPEN", "PLAY", "PREV"});
        cues.PlayCue(Cue::MMControl5, {"oPeN", "Play", "pReV"});
        QVERIFY(cues.boundFile(Cue::MMControl3).endsWith("/help1.wav"));
        QVERIFY(cues.boundFile(Cue::MMControl5).endsWith("/b.wav"));
        QCOMPARE(cues.playRequests(Cue::MMControl3) + cues.playRequests(Cue::MMControl5), 2);
        QVERIFY(cues.boundFile(Cue::MMControl4).isEmpty());
    }

    void missingOrBrokenFilesStaySilent()
    {
        QFile real(QCoreApplication::applicationDirPath() + "/tri1.wav");
        QVERIFY(real.open(QIODevice::ReadOnly));
        const QByteArray wave = real.readAll();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::array<QByteArray, 4> broken = {
            "this is not a wave file", wave.left(wave.size() / 3), wave.left(20), QByteArray()};
        for (int i = 0; i < 4; ++i) {
            QFile file(dir.filePath(fileName(static_cast<Cue>(i + 1))));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(broken[i]);
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
