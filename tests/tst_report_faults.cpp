// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocaleEncoding.h"
#include "ReportFile.h"
#include "ReportHandOver.h"
#include "ResultsReport.h"
#include "ViewerHandOver.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <map>

#include <sys/mount.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

ReportInput input(const QString &name)
{
    ReportInput in;
    in.date = QDate(2026, 12, 7);
    in.locale = QLocale(QLocale::English);
    in.name = name;
    in.answeredDegree.assign(102, 0.0);
    in.answeredTerm.assign(102, QString());
    return in;
}

// A small file system of its own, mounted for one test and gone after it.
class SmallDisk {
public:
    explicit SmallDisk(const char *size)
    {
        const QByteArray options = QByteArray("size=") + size;
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount(QFile::encodeName(m_dir.path()).constData());
    }
    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QStringList entries() const { return QDir(path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot); }

    // Fills the disk to the last byte, then frees `pages` of 4 KiB again.
    void fill(int pages) const
    {
        QFile filler(file(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        filler.resize(std::max<qint64>(0, filler.size() - 4096LL * pages));
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

}  // namespace

// The report on real devices that fail: a full disk, a process killed mid-write,
// a working folder deleted under the game, a locale that is not UTF-8.
class TestReportFaults : public QObject {
    Q_OBJECT

private slots:
    void fullDiskKeepsTheOlderReport_data();
    void fullDiskKeepsTheOlderReport();
    void killedAtEverySystemCall_data();
    void killedAtEverySystemCall();
    void deletedWorkingFolder();
    void nameStaysOnItsLine_data();
    void nameStaysOnItsLine();
    void encodingOfTheUsersLocale_data();
    void encodingOfTheUsersLocale();
    void aDesktopWithoutXdgOpen();
};

void TestReportFaults::fullDiskKeepsTheOlderReport_data()
{
    QTest::addColumn<bool>("linkInPlace");
    QTest::addColumn<int>("pagesLeft");
    QTest::newRow("older report, disk full") << false << 0;
    QTest::newRow("older report, one page left") << false << 1;
    QTest::newRow("link to a report, disk full") << true << 0;
    QTest::newRow("link to a report, one page left") << true << 1;
}

void TestReportFaults::fullDiskKeepsTheOlderReport()
{
    QFETCH(bool, linkInPlace);
    QFETCH(int, pagesLeft);
    const SmallDisk disk("64k");
    if (!disk.mounted())
        QSKIP("cannot mount a small tmpfs here (it needs root); the full-disk check did not run");
    const QString path = disk.file(QLatin1String(ReportFile::kName));
    const QString target = disk.file(QStringLiteral("kept.txt"));
    const QByteArray older = QByteArray("older run\r\n").repeated(100);
    QVERIFY(put(linkInPlace ? target : path, older));
    if (linkInPlace)
        QVERIFY(QFile::link(QStringLiteral("kept.txt"), path));
    disk.fill(pagesLeft);
    const QStringList before = disk.entries();

    // A report of three pages cannot fit in the room that is left.
    const ReportInput report = input(QString(3 * 4096, u'x'));
    int viewerStarts = 0;
    const ViewerStarter viewer = [&viewerStarts](const QString &) { return ++viewerStarts > 0; };
    HandOverOutcome outcome = writeReportAndOpen(report, disk.path(), viewer);
    QVERIFY(!outcome.written);
    QVERIFY(!outcome.error.isEmpty());
    QCOMPARE(viewerStarts, 0);
    QCOMPARE(readAll(path), older);
    QCOMPARE(QFileInfo(path).isSymLink(), linkInPlace);
    QCOMPARE(disk.entries(), before);  // no temporary file left behind

    // With room again, the new report replaces whatever stood there, whole.
    QVERIFY(QFile::remove(disk.file(QStringLiteral("filler"))));
    outcome = writeReportAndOpen(report, disk.path(), viewer);
    QVERIFY(outcome.written);
    QCOMPARE(viewerStarts, 1);
    QVERIFY(!QFileInfo(path).isSymLink());
    QCOMPARE(readAll(path), LocaleEncoding::encode(resultsReportText(report)));
    if (linkInPlace)
        QCOMPARE(readAll(target), older);
}

void TestReportFaults::killedAtEverySystemCall_data()
{
    QTest::addColumn<bool>("linkInPlace");
    QTest::newRow("read-only older report") << false;
    QTest::newRow("link to an older report") << true;
}

void TestReportFaults::killedAtEverySystemCall()
{
    QFETCH(bool, linkInPlace);
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        QSKIP("strace is not installed; the kill check did not run");
    QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(ReportFile::kName));
    const QByteArray older(5000, 'o');
    const QByteArray newer(70000, 'n');
    const QStringList probe{QStringLiteral(VEXLOR_REPORT_PROBE), dir.path(), QString::number(newer.size())};
    const auto reset = [&] {
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(dir.filePath(name));
        const QString olderFile = linkInPlace ? dir.filePath(QStringLiteral("kept.txt")) : path;
        put(olderFile, older);
        QFile::setPermissions(olderFile, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (linkInPlace)
            QFile::link(QStringLiteral("kept.txt"), path);
    };
    const auto run = [&](const QStringList &straceOptions) {
        QProcess process;
        // A leak check at exit would need to trace the process, which strace already does.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        process.setProcessEnvironment(environment);
        process.start(strace, straceOptions + QStringList{QStringLiteral("--")} + probe);
        return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
               && process.exitCode() == 0;
    };

    // One run traced to its end names every system call, in order.
    reset();
    const QString log = dir.filePath(QStringLiteral("trace.log"));
    QVERIFY(run({QStringLiteral("-qq"), QStringLiteral("-o"), log}));
    QCOMPARE(readAll(path), newer);
    const QStringList lines = QString::fromLocal8Bit(readAll(log)).split(u'\n');
    QFile::remove(log);

    // Each call of the write, as "name:n", the n-th call of that name since start.
    static const QRegularExpression call(QStringLiteral("^(\\w+)\\("));
    std::map<QString, int> calls;
    QStringList steps;
    bool writing = false;
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = call.match(line);
        if (!match.hasMatch())
            continue;
        const QString name = match.captured(1);
        const int n = ++calls[name];
        writing = writing || (name != QLatin1String("execve") && line.contains(dir.path()));
        if (writing)
            steps << QStringLiteral("%1:%2").arg(name).arg(n);
    }
    QVERIFY2(steps.size() >= 8, qPrintable(steps.join(u' ')));

    // Killed at the start of each of them: the whole older report or the whole new one.
    QSet<QByteArray> seen;
    for (const QString &step : std::as_const(steps)) {
        reset();
        const QStringList at = step.split(u':');
        run({QStringLiteral("-qq"), QStringLiteral("-o"), QStringLiteral("/dev/null"), QStringLiteral("-e"),
             QStringLiteral("inject=%1:signal=SIGKILL:when=%2").arg(at[0], at[1])});
        const QByteArray left = readAll(path);
        QVERIFY2(left == older || left == newer, qPrintable(step + QStringLiteral(" left %1 bytes").arg(left.size())));
        seen.insert(left);
    }
    QCOMPARE(seen.size(), 2);  // the kills fell both before and after the new report took its name
}

void TestReportFaults::deletedWorkingFolder()
{
    const QString home = QDir::currentPath();
    QString gone;
    {
        QTemporaryDir dir;
        gone = dir.path();
        QVERIFY(QDir::setCurrent(gone));
    }
    QVERIFY(!QFileInfo::exists(gone));
    bool viewerAsked = false;
    const HandOverOutcome outcome = writeReportAndOpen(input(QStringLiteral("Ada")), QString(), [&](const QString &) {
        return viewerAsked = true;
    });
    QDir::setCurrent(home);
    QVERIFY(!outcome.written);
    QVERIFY2(outcome.error.contains(QLatin1String("deleted")), qPrintable(outcome.error));
    QVERIFY(!viewerAsked);
}

void TestReportFaults::nameStaysOnItsLine_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("LF") << QStringLiteral("Al\nBo") << QStringLiteral("Al Bo");
    QTest::newRow("CR") << QStringLiteral("Al\rBo") << QStringLiteral("Al Bo");
    QTest::newRow("CR LF and blank lines") << QStringLiteral("Al\r\n\r\nBo\n") << QStringLiteral("Al Bo ");
    QTest::newRow("line and paragraph separators") << QStringLiteral("Al\u2028Bo\u2029") << QStringLiteral("Al Bo ");
    QTest::newRow("NUL") << QString::fromUtf16(u"Al\0Bo", 5) << QStringLiteral("Al?Bo");
    QTest::newRow("terminal escape") << QStringLiteral("\x1b]0;x\x07\x1b[31mAl\u009b2J") << QStringLiteral("?]0;x??[31mAl?2J");
    QTest::newRow("tab, markup and quotes stay") << QStringLiteral("<b>Al</b>\t& \"Bo\"")
                                                  << QStringLiteral("<b>Al</b>\t& \"Bo\"");
}

void TestReportFaults::nameStaysOnItsLine()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    const QByteArray bytes = LocaleEncoding::encode(resultsReportText(input(typed)), "UTF-8");
    QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.takeLast(), QByteArray());  // the last line ends in CR LF too
    QCOMPARE(lines.size(), 21);
    for (const QByteArray &line : lines)
        QVERIFY(line.endsWith('\r') && line.count('\r') == 1);
    QCOMPARE(QString::fromUtf8(lines.at(6).chopped(1)), QStringLiteral("                    Name: ") + written);
}

void TestReportFaults::encodingOfTheUsersLocale_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("nameBytes");
    const QString name = QStringLiteral("Zo\u00eb \u0410\u043d\u043d\u0430");
    QTest::newRow("UTF-8") << QByteArray("C.UTF-8") << name.toUtf8();
    QTest::newRow("Latin-1") << QByteArray("en_US.ISO-8859-1") << QByteArray("Zo\xeb ????");
    QTest::newRow("C") << QByteArray("C") << name.toUtf8();
}

void TestReportFaults::encodingOfTheUsersLocale()
{
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, nameBytes);
    QTemporaryDir locales, work;
    if (locale.contains("ISO-8859-1")) {
        // A Latin-1 locale of our own, since the machine may have none.
        QProcess localedef;
        localedef.start(QStringLiteral("localedef"), {QStringLiteral("-i"), QStringLiteral("en_US"), QStringLiteral("-f"),
                                                      QStringLiteral("ISO-8859-1"), locales.filePath(QLatin1String(locale))});
        if (!localedef.waitForFinished(60000) || !QFileInfo::exists(locales.filePath(QLatin1String(locale))))
            QSKIP("localedef cannot build a Latin-1 locale here (package locales missing?)");
    }
    const QByteArray oldLocale = qgetenv("LC_ALL");
    qputenv("LOCPATH", QFile::encodeName(locales.path()));
    qputenv("LC_ALL", locale);
    const HandOverOutcome outcome = writeReportAndOpen(input(QStringLiteral("Zo\u00eb \u0410\u043d\u043d\u0430")),
                                                       work.path(), [](const QString &) { return true; });
    qunsetenv("LOCPATH");
    qputenv("LC_ALL", oldLocale);
    QVERIFY(outcome.written);
    QVERIFY(readAll(work.filePath(QLatin1String(ReportFile::kName))).contains("Name: " + nameBytes + "\r\n"));
}

void TestReportFaults::aDesktopWithoutXdgOpen()
{
    // Only gio on PATH: the report still reaches a viewer, quietly.
    QTemporaryDir bin;
    const QString record = bin.filePath(QStringLiteral("gio-args"));
    const QString gio = bin.filePath(QStringLiteral("gio"));
    QVERIFY(put(gio, QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\necho complaint >&2\n").arg(record).toUtf8()));
    QFile::setPermissions(gio, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ":/usr/bin/nonexistent");
    const bool started = ViewerHandOver::open(QLatin1String(ReportFile::kName));
    qputenv("PATH", oldPath);
    QVERIFY(started);
    QTRY_COMPARE(readAll(record), QByteArray("open VexlorOut.txt\n"));
}

QTEST_GUILESS_MAIN(TestReportFaults)
#include "tst_report_faults.moc"
