#include "CuePlayer.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

QByteArray readWave(const QString &folder, int index)
{
    const std::string_view name = kCueFileNames[index];
    QFile file(folder + u'/' + QLatin1String(name.data(), qsizetype(name.size())));
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

}  // namespace

class TestWaveFiles : public QObject {
    Q_OBJECT
private slots:
    void eachFileIsAShortCleanWave_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < kCueCount; ++i)
            QTest::newRow(kCueFileNames[i].data()) << i;
    }

    void eachFileIsAShortCleanWave()
    {
        QFETCH(int, index);
        const QByteArray bytes = readWave(QCoreApplication::applicationDirPath(), index);
        QVERIFY2(!bytes.isEmpty(), "missing or empty");
        const std::vector<qint16> samples = pcmSamples(bytes);
        QVERIFY2(!samples.empty(), "not a well-formed mono 16-bit PCM wave");
        const double seconds = samples.size() / 22050.0;
        QVERIFY2(seconds >= 0.1 && seconds <= 2.0, qPrintable(QString::number(seconds)));
        QVERIFY(std::abs(samples.front()) < 500);  // no click at either edge
        QVERIFY(std::abs(samples.back()) < 500);
        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        QVERIFY2(*high > 3000 && *low > -32768 && *high < 32767, "silent or clipping");
    }

    void filesAreDistinctAndReproducible()
    {
        QTemporaryDir again;
        QVERIFY(again.isValid());
        const QString binDir = QCoreApplication::applicationDirPath();
        QCOMPARE(QProcess::execute(binDir + "/vexlor_wavegen", {again.path()}), 0);
        for (int i = 0; i < kCueCount; ++i) {
            const QByteArray bytes = readWave(binDir, i);
            QCOMPARE(readWave(again.path(), i), bytes);
            for (int j = i + 1; j < kCueCount; ++j)
                QVERIFY2(readWave(binDir, j) != bytes, kCueFileNames[j].data());
        }
    }
};

QTEST_GUILESS_MAIN(TestWaveFiles)
#include "tst_wavefiles.moc"
