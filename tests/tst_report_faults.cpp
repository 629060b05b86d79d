#include "ReportFile.h"
#include "ReportHandOver.h"
#include "ViewerHandOver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The report under a failing disk, odd file modes and odd names: never half a
// report, never an older one passed off as this run's.
class TestReportFaults : public QObject {
    Q_OBJECT

private:
    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static void put(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static ReportInput input(const QString &name)
    {
        ReportInput in;
        in.date = QDate(2026, 12, 7);
        in.locale = QLocale(QLocale::English);
        in.name = name;
        in.answeredDegree.assign(102, 0.0);
        in.answeredTerm.assign(102, QString());
        return in;
    }

private slots:
    void aDiskThatFillsUpAtAnyByte();
    void oddModesAndNames();
    void aDesktopWithoutXdgOpen();
};

void TestReportFaults::aDesktopWithoutXdgOpen()
{
    // Only gio on PATH: the report still reaches a viewer, quietly.
    QTemporaryDir bin;
    const QString record = bin.filePath(QStringLiteral("gio-args"));
    const QString gio = bin.filePath(QStringLiteral("gio"));
    put(gio, QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\necho complaint >&2\n").arg(record).toUtf8());
    QFile::setPermissions(gio, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ":/usr/bin/nonexistent");
    const bool started = ViewerHandOver::open(QLatin1String(ReportFile::kName));
    qputenv("PATH", oldPath);
    QVERIFY(started);
    QTRY_COMPARE(readAll(record), QByteArray("open VexlorOut.txt\n"));
}

void TestReportFaults::aDiskThatFillsUpAtAnyByte()
{
    const QByteArray report = QByteArray("@@@@\r\n").repeated(40);
    QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(ReportFile::kName));
    put(path, "older run");
    for (qsizetype room = 0; room < report.size(); ++room) {
        const ReportFile::Writer fillsUp = [room](QIODevice &file, const QByteArray &bytes) {
            file.write(bytes.left(room));
            return false;
        };
        QVERIFY(!ReportFile::save(dir.path(), report, fillsUp).isEmpty());
        QCOMPARE(readAll(path), QByteArray("older run"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{ReportFile::kName});
    }
    // With room for all of it, the new report replaces the old one whole.
    QVERIFY(ReportFile::save(dir.path(), report).isEmpty());
    QCOMPARE(readAll(path), report);
}

void TestReportFaults::oddModesAndNames()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(ReportFile::kName));
    put(path, "read-only older run");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    // Control characters, a very long name and a broken UTF-16 pair.
    const QString name = QStringLiteral("a\x01\t\x7f") + QString(10000, u'x') + QChar(0xD800) + QStringLiteral("end");
    bool viewerAsked = false;
    const HandOverOutcome outcome = writeReportAndOpen(input(name), dir.path(), [&](const QString &file) {
        viewerAsked = file == QLatin1String(ReportFile::kName);
        return true;
    });
    QVERIFY(outcome.written);
    QVERIFY(viewerAsked);
    const QList<QByteArray> lines = readAll(path).split('\n');
    QVERIFY(lines.at(6).startsWith("                    Name: a\x01\t\x7fxxx"));
    QVERIFY(lines.at(6).endsWith("end\r"));
    QVERIFY(lines.at(6).size() > 10030);
    QCOMPARE(lines.size(), 22);  // 21 lines, each ended by CR LF, and nothing after the last
}

QTEST_GUILESS_MAIN(TestReportFaults)
#include "tst_report_faults.moc"
