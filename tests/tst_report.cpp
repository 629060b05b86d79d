// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocaleEncoding.h"
#include "ReportFile.h"
#include "ReportHandOver.h"
#include "ResultRows.h"
#include "ResultsReport.h"
#include "StraceProbe.h"
#include "TestFiles.h"
#include "ViewerHandOver.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>

namespace {

// In German, with the question on show unanswered.
ReportInput afterStart(const QString &name = "Ada")
{
    return {QDate(2026, 12, 1), QLocale(QLocale::German, QLocale::Germany),
            {.name = name, .timeLimit = 60, .rows = {ResultRow{}}}};
}

// An answered row: number, 23 blanks, degree, " %", 9 blanks, term.
QString answered(const char *number, const char *degree, const QString &term = "Moment (of a force) Unit")
{
    return QLatin1String(number) + QString(23, u' ') + QLatin1String(degree) + " %" + QString(9, u' ') + term;
}

}  // namespace

// The results report's bytes, and how they reach disk and viewer on real devices that fail.
class TestReport : public QObject {
    Q_OBJECT

private slots:
    void reportText_data()
    {
        QTest::addColumn<QList<int>>("degrees");  // by row, from row 1; one row each
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("total");
        QTest::newRow("after start") << QList<int>{0} << QStringList{"  001 has no answer."} << "0 % in 1 questions.";
        QTest::newRow("100, 75, a time-out and one on show: 43.75 -> 44") << QList<int>{100, 75, 0, 0}
            << QStringList{answered("  001", "100"), answered("  002", "075"), "  003 has no answer.", "  004 has no answer."}
            << "44 % in 4 questions.";
        QTest::newRow("62.5 goes to the even 62") << QList<int>{100, 25}
            << QStringList{answered("  001", "100"), answered("  002", "025")} << "62 % in 2 questions.";
    }

    // The report's bytes; the date in the player's language, the time limit without the two seconds of grace.
    void reportText()
    {
        QFETCH(QList<int>, degrees);
        QFETCH(QStringList, rows);
        QFETCH(QString, total);
        ReportInput input = afterStart();
        input.results.questionCount = static_cast<int>(degrees.size());
        input.results.rows.clear();
        for (const int degree : degrees) {
            input.results.rows.push_back({degree > 0 ? "Moment (of a force) Unit" : "", double(degree)});
            input.results.degreeSum += degree;
        }
        const QString at(75, u'@'), dash(75, u'-');
        const QStringList head{
            at, "@@@@@@@@@@@         Output Results of Vexlor   (01 Dezember 2026)", at, " ", " ", " ",
            "                    Name: Ada", " ", " ", " ", " Maximum time for question =  60 Seconds", " ", dash,
            "Question No.               Degree         in question of                      ", dash, " "};
        const QStringList tail{" ", at, "@@@@@             Total degree is " + total + "             @@@@@@", at};
        QCOMPARE(resultsReportText(input), (head + rows + tail).join("\r\n") + "\r\n");
    }

    void manyRows()
    {
        // From many word-list choices: recorded ones with their degree, the rest as unanswered.
        QuizResults results;
        results.rows.assign(1005, ResultRow{"Zero", 0});
        results.rows[102].degree = 25;
        const std::vector<PrintLine> rows = resultRows(results);
        QCOMPARE(rows.size(), std::size_t(1005));
        QCOMPARE(printInColumns(rows[102]), answered("  103", "025", "Zero"));
        QCOMPARE(printInColumns(rows[1004]), "  1005 has no answer.");

        results.rows.resize(3);
        results.rows[1].degree = -25;  // a negative degree has no row at all
        QCOMPARE(resultRows(results).size(), std::size_t(2));
    }

    void nameLine_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written");
        const QString name = "Zo\u00eb \u0410\u043d\u043d\u0430 \u20ac";
        QTest::newRow("UTF-8") << "C.UTF-8" << name << name.toUtf8();
        QTest::newRow("Latin-1, ? for each character it lacks") << "en_US.ISO-8859-1" << name << QByteArray("Zo\xeb ???? ?");
        QTest::newRow("C, as UTF-8") << "C" << name << name.toUtf8();
        QTest::newRow("each run of line breaks, of any kind, one blank")
            << "C.UTF-8" << "Al\nBo\rCy\r\n\r\nDe\u2028Ef\u2029" << QByteArray("Al Bo Cy De Ef ");
        QTest::newRow("NUL and terminal escapes")
            << "C.UTF-8" << "Al" + QString(QChar()) + "\x1b]0;x\x07\x1b[31mBo\u009b2J" << QByteArray("Al??]0;x??[31mBo?2J");
        QTest::newRow("tab, markup and quotes stay") << "C.UTF-8" << "<b>Al</b>\t& \"Bo\"" << QByteArray("<b>Al</b>\t& \"Bo\"");
    }

    // The name stays on its own line, in the encoding of the player's locale.
    void nameLine()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        QTemporaryDir locales, work;
        if (locale.contains("ISO-8859-1")) {  // a Latin-1 locale of our own, since the machine may have none
            QProcess::execute("localedef", {"-i", "en_US", "-f", "ISO-8859-1", locales.filePath(locale)});
            if (!QFileInfo::exists(locales.filePath(locale)))
                QSKIP("localedef cannot build a Latin-1 locale here (package locales missing?)");
        }
        const QByteArray oldLocale = qgetenv("LC_ALL");
        qputenv("LOCPATH", QFile::encodeName(locales.path()));
        qputenv("LANG", "C.UTF-8");  // LC_ALL wins over it
        qputenv("LC_ALL", locale.toLatin1());
        const bool saved = writeReportAndOpen(afterStart(typed), work.path(), [](const QString &) { return true; }).written;
        qunsetenv("LOCPATH");
        qputenv("LC_ALL", oldLocale);
        QVERIFY(saved);
        const QByteArray nameLine = fileBytes(work.filePath(ReportFile::kName)).split('\n').value(6);
        QCOMPARE(nameLine, "                    Name: " + written + '\r');
    }

    void handOver_data()
    {
        QTest::addColumn<QString>("opener");  // the only viewer on PATH
        QTest::addColumn<QString>("inTheWay");  // what keeps the report from its folder, if anything
        QTest::addColumn<QString>("told");  // the viewer's arguments before its folder, or the error
        QTest::newRow("xdg-open gets the bare name") << "xdg-open" << "" << "1|VexlorOut.txt|";
        QTest::newRow("a desktop with only gio") << "gio" << "" << "2|open|VexlorOut.txt|";
        QTest::newRow("a folder where the report goes") << "xdg-open" << "folder" << "in the way";
        QTest::newRow("the working folder deleted under the game") << "xdg-open" << "deleted" << "deleted";
    }

    void handOver()
    {
        QFETCH(QString, opener);
        QFETCH(QString, inTheWay);
        QFETCH(QString, told);
        // A stand-in viewer records its arguments and the folder it was started in.
        QTemporaryDir bin, work;
        const QString home = QDir::currentPath(), folder = QDir(work.path()).canonicalPath(), script = bin.filePath(opener);
        QVERIFY(putFile(script, "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" \"$PWD\" > \"$0.args\"\n"));
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QDir::setCurrent(folder) && (inTheWay.isEmpty() || QDir().mkdir(ReportFile::kName)));
        if (inTheWay == "deleted")
            work.remove();
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const HandOverOutcome outcome = writeReportAndOpen(afterStart(), QString(), &ViewerHandOver::open);
        qputenv("PATH", oldPath);
        QDir::setCurrent(home);
        QCOMPARE(outcome.written && outcome.viewerStarted, inTheWay.isEmpty());
        if (inTheWay.isEmpty())
            QTRY_COMPARE(fileBytes(script + ".args"), told.toUtf8() + QFile::encodeName(folder) + '|');
        else
            QVERIFY2(outcome.error.contains(told), qPrintable(outcome.error));
    }

    void fullDiskKeepsTheOlderReport_data()
    {
        QTest::addColumn<bool>("linkInPlace");
        QTest::addColumn<int>("pagesLeft");
        QTest::newRow("older report, disk full") << false << 0;
        QTest::newRow("link to a report, one page left") << true << 1;
    }

    void fullDiskKeepsTheOlderReport()
    {
        QFETCH(bool, linkInPlace);
        QFETCH(int, pagesLeft);
        const QTemporaryDir disk;
        const QByteArray mountPoint = QFile::encodeName(disk.path());
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("cannot mount a small tmpfs here (it needs root); the full-disk check did not run");
        const auto unmount = qScopeGuard([&] { ::umount(mountPoint.constData()); });
        const QString path = disk.filePath(ReportFile::kName), target = disk.filePath("kept.txt");
        const QByteArray older = QByteArray("older run\r\n").repeated(100);
        QVERIFY(putFile(linkInPlace ? target : path, older));
        QVERIFY(!linkInPlace || QFile::link("kept.txt", path));
        QFile filler(disk.filePath("filler"));  // fills the disk to the last byte, then frees pagesLeft pages
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        filler.write(QByteArray(128 * 1024, 'f'));
        QVERIFY(filler.resize(filler.size() - 4096 * pagesLeft));
        const QStringList before = QDir(disk.path()).entryList(QDir::AllEntries | QDir::Hidden);

        // A report of three pages cannot fit in the room that is left.
        const ReportInput report = afterStart(QString(3 * 4096, u'x'));
        const ViewerStarter viewer = [](const QString &) { return true; };
        HandOverOutcome outcome = writeReportAndOpen(report, disk.path(), viewer);
        QVERIFY(!outcome.written && !outcome.viewerStarted && !outcome.error.isEmpty());
        QCOMPARE(fileBytes(path), older);
        QCOMPARE(QFileInfo(path).isSymLink(), linkInPlace);
        QCOMPARE(QDir(disk.path()).entryList(QDir::AllEntries | QDir::Hidden), before);  // no temporary file left

        // With room again, the new report replaces whatever stood there, whole.
        QVERIFY(filler.remove());
        outcome = writeReportAndOpen(report, disk.path(), viewer);
        QVERIFY(outcome.written && outcome.viewerStarted);
        QCOMPARE(fileBytes(path), LocaleEncoding::encode(resultsReportText(report)));
        QVERIFY(!linkInPlace || fileBytes(target) == older);  // the link replaced, not written through
    }

    void leftTemporaries_data()
    {
        QTest::addColumn<QString>("owner");  // whose id the names carry: dead, earlier (this id, old), self, alive
        QTest::addColumn<QString>("form");   // the name, %1 the id and %2 a count from 0
        QTest::addColumn<bool>("folder");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QString>("told");   // the failure told, empty when the report is written
        const QString ours = QStringLiteral(".VexlorOut.txt.%1.%2");
        QTest::newRow("killed writer") << "dead" << ours << false << 3 << true << "";
        QTest::newRow("killed writer of an older version") << "dead" << ".VexlorOut.txt.%1.7.%2" << false << 1 << true << "";
        QTest::newRow("earlier process with this id, every name") << "earlier" << ours << false << 100 << true << "";
        QTest::newRow("this process writing") << "self" << ours << false << 1 << false << "";
        QTest::newRow("running writer") << "alive" << ours << false << 2 << false << "";
        QTest::newRow("a folder of such a name") << "dead" << ours << true << 1 << false << "";
        QTest::newRow("another program's hidden file") << "dead" << ".VexlorOut.txt.%1.%2.swp" << false << 1 << false << "";
        QTest::newRow("not hidden") << "dead" << "VexlorOut.txt.%1.%2" << false << 1 << false << "";
        QTest::newRow("every name held by folders") << "self" << ours << true << 100 << false
                                                    << "every name for its temporary file (.VexlorOut.txt.%1.0 to "
                                                       ".VexlorOut.txt.%1.99) is taken";
    }

    // Temporary files of report writes killed mid-way go before the next write; others' files stay.
    void leftTemporaries()
    {
        QFETCH(QString, owner);
        QFETCH(QString, form);
        QFETCH(bool, folder);
        QFETCH(int, count);
        QFETCH(bool, removed);
        QFETCH(QString, told);
        QProcess ended;
        ended.start("true");
        QVERIFY(ended.waitForStarted());
        const qint64 dead = ended.processId();
        QVERIFY(ended.waitForFinished());
        QProcess running;
        running.start("sleep", {"60"});
        QVERIFY(running.waitForStarted());
        const auto stop = qScopeGuard([&] { running.kill(); running.waitForFinished(); });
        const qint64 id = owner == "dead" ? dead : owner == "alive" ? running.processId() : QCoreApplication::applicationPid();

        const QTemporaryDir dir;
        const QString foreign = dir.filePath(".hidden.txt");
        QVERIFY(putFile(foreign, "kept"));
        QStringList left;
        for (int n = 0; n < count; ++n) {
            const QString path = dir.filePath(form.arg(id).arg(n));
            QVERIFY(folder ? QDir().mkdir(path) : putFile(path, "half a report"));
            QFile file(path);
            const QDateTime when = QDateTime::currentDateTime().addSecs(owner == "earlier" ? -3600 : 0);
            QVERIFY(folder || (file.open(QIODevice::ReadWrite) && file.setFileTime(when, QFileDevice::FileModificationTime)));
            left << path;
        }
        const QString error = ReportFile::save(dir.path(), "report\r\n");
        QCOMPARE(error.section(u';', 0, 0), told.isEmpty() ? QString() : told.arg(id));
        QCOMPARE(fileBytes(dir.filePath(ReportFile::kName)), told.isEmpty() ? QByteArray("report\r\n") : "<missing>");
        for (const QString &path : std::as_const(left))
            QVERIFY2(QFileInfo::exists(path) != removed, qPrintable(path));
        QCOMPARE(fileBytes(foreign), QByteArray("kept"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                 (removed ? 0 : count) + 1 + (told.isEmpty() ? 1 : 0));
    }

    // The writer run by strace, killed at, or refused, each system call of a report.
    void underStrace()
    {
        QTemporaryDir dir, aside;
        const QString path = dir.filePath(ReportFile::kName);
        const QByteArray older(5000, 'o'), newer = LocaleEncoding::encode(resultsReportText(afterStart()));
        QVERIFY(putFile(aside.filePath("newer"), newer));
        const StraceProbe probe{{"--probe", dir.path(), aside.filePath("newer")}, aside.filePath("trace.log"),
                                [&] { onlyFile(path, older); }};
        if (probe.strace.isEmpty())
            QSKIP("strace is not installed; the kill check did not run");

        // Killed at the start of each call from the first on the folder: the whole older report or the whole new one.
        QCOMPARE(probe.run(), 0);
        const QStringList steps = probe.steps(dir.path());
        QSet<QByteArray> seen;
        for (const QString &step : steps) {
            probe.killAt(step);
            const QByteArray left = fileBytes(path);
            QVERIFY2(left == older || left == newer, qPrintable(step));
            seen.insert(left);
        }
        QCOMPARE(seen.size(), 2);  // the kills fell both before and after the new report took its name

        // The first write, fsync or close refused: failure told, the older report whole, nothing left behind.
        const struct { QString call, result; int exitCode; QByteArray left; } refusals[] = {
            {"fsync", "error=EIO", 1, older}, {"close", "error=EIO", 1, older}, {"write", "retval=0", 1, older},
            {"write", "retval=100", 0, newer.mid(100)}};  // strace skips the call: the first 100 bytes never land
        const qsizetype firstWrite = steps.indexOf(QRegularExpression("write:\\d+"));  // the temporary file's calls
        for (const auto &refusal : refusals) {
            const qsizetype step = steps.indexOf(QRegularExpression(refusal.call + ":\\d+"), firstWrite);
            QVERIFY2(step >= 0, qPrintable(refusal.call));
            QCOMPARE(probe.run(refusal.call + ':' + refusal.result + ":when=" + steps[step].section(u':', 1)), refusal.exitCode);
            QCOMPARE(fileBytes(path), refusal.left);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList(ReportFile::kName));
        }
    }
};

// Run as `tst_report --probe FOLDER SOURCE`, writes the bytes of SOURCE as the report into FOLDER, as Exit does.
int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--probe") == 0) {
        QFile source(QString::fromLocal8Bit(argv[3]));
        const bool read = source.open(QIODevice::ReadOnly);
        return read && ReportFile::save(QString::fromLocal8Bit(argv[2]), source.readAll()).isEmpty() ? 0 : 1;
    }
    QCoreApplication app(argc, argv);
    TestReport test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_report.moc"
