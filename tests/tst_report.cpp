// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportFile.h"
#include "ReportHandOver.h"
#include "ResultRows.h"
#include "ResultsReport.h"
#include "ViewerHandOver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

ReportInput afterStart()
{
    ReportInput input;
    input.date = QDate(2026, 12, 7);
    input.locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
    input.name = QStringLiteral("Ada");
    input.maxSeconds = 32;
    input.answeredDegree.assign(102, 0.0);
    input.answeredTerm.assign(102, QString());
    return input;
}

QStringList lines(const QString &text) { return text.split(QStringLiteral("\r\n")); }

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// An answered row: number, 23 blanks, degree, " %", 9 blanks, term.
QString answered(const char *number, const char *degree, const QString &term = "Moment (of a force) Unit")
{
    return QLatin1String(number) + QString(23, u' ') + QLatin1String(degree) + " %" + QString(9, u' ') + term;
}

}  // namespace

// The results report: its exact bytes, and how it reaches the disk and the viewer.
class TestReport : public QObject {
    Q_OBJECT

private slots:
    void exitRightAfterStart()
    {
        const QString at(75, u'@'), dash(75, u'-');
        const QStringList expected{
            at, "@@@@@@@@@@@         Output Results of Vexlor   (07 December 2026)", at, " ", " ", " ",
            "                    Name: Ada", " ", " ", " ", " Maximum time for question =  30 Seconds", " ", dash,
            "Question No.               Degree         in question of                      ", dash, " ",
            "  001 has no answer.", " ", at, "@@@@@             Total degree is 0 % in 1 questions.             @@@@@@", at};
        QCOMPARE(resultsReportText(afterStart()), expected.join("\r\n") + "\r\n");
    }

    void rowsAndAverage_data()
    {
        QTest::addColumn<QList<int>>("degrees");  // by row, from row 1; one row each
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("total");
        QTest::newRow("100, 75, a time-out and one on show: 43.75 -> 44") << QList<int>{100, 75, 0, 0}
            << QStringList{answered("  001", "100"), answered("  002", "075"), "  003 has no answer.",
                           "  004 has no answer."}
            << "44 % in 4 questions.";
        QTest::newRow("62.5 goes to the even 62") << QList<int>{100, 100, 50, 0}
            << QStringList{answered("  001", "100"), answered("  002", "100"), answered("  003", "050"),
                           "  004 has no answer."}
            << "62 % in 4 questions.";
    }

    void rowsAndAverage()
    {
        QFETCH(QList<int>, degrees);
        QFETCH(QStringList, rows);
        QFETCH(QString, total);
        ReportInput input = afterStart();
        input.questionCount = static_cast<int>(degrees.size());
        for (int n = 1; n <= degrees.size(); ++n) {
            input.answeredDegree[n] = degrees[n - 1];
            input.degreeSum += degrees[n - 1];
            if (degrees[n - 1] > 0)
                input.answeredTerm[n] = QStringLiteral("Moment (of a force) Unit");
        }
        const QStringList all = lines(resultsReportText(input));
        QCOMPARE(all.mid(16, rows.size()), rows);
        QCOMPARE(all.at(18 + rows.size()),
                 QStringLiteral("@@@@@             Total degree is ") + total + QStringLiteral("             @@@@@@"));
    }

    void zonesAlwaysMoveForward()
    {
        // From column 14 exactly, a zone separator still moves on to 28.
        const PrintLine onZoneStart{PrintItem::textItem(QString(14, u'x')), PrintItem::zone(), PrintItem::textItem("y")};
        QCOMPARE(printInColumns(onZoneStart).indexOf(u'y'), 28);

        // Rows past the tables, from many word-list choices, are written like any
        // other: recorded ones with their degree, the rest as unanswered.
        std::vector<double> degrees(104, 0.0);
        std::vector<QString> terms(104);
        degrees[103] = 25;
        terms[103] = QStringLiteral("Zero");
        const std::vector<PrintLine> rows = resultRows(1005, degrees, terms);
        QCOMPARE(rows.size(), std::size_t(1005));
        QCOMPARE(printInColumns(rows[102]), answered("  103", "025", QStringLiteral("Zero")));
        QCOMPARE(printInColumns(rows[101]), QStringLiteral("  102 has no answer."));
        QCOMPARE(printInColumns(rows[1004]), QStringLiteral("  1005 has no answer."));

        // A negative degree has no row at all.
        degrees[2] = -25;
        QCOMPARE(resultRows(3, degrees, terms).size(), std::size_t(2));
    }

    void dateInTheUsersLanguage()
    {
        ReportInput input = afterStart();
        input.date = QDate(2027, 3, 1);
        input.locale = QLocale(QLocale::German, QLocale::Germany);
        input.name = QString();
        input.maxSeconds = 62;
        const QStringList all = lines(resultsReportText(input));
        QCOMPARE(all.at(1), QStringLiteral("@@@@@@@@@@@         Output Results of Vexlor   (01 M\u00e4rz 2027)"));
        QCOMPARE(all.at(6), QStringLiteral("                    Name: "));
        QCOMPARE(all.at(10), QStringLiteral(" Maximum time for question =  60 Seconds"));
    }

    void replacesAnOlderReportWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(ReportFile::kName));
        QVERIFY(writeFile(path, QByteArray(5000, 'o')));
        QVERIFY(ReportFile::save(dir.path(), "new\r\n").isEmpty());
        QCOMPARE(readAll(path), QByteArray("new\r\n"));

        // A link at the report's place is replaced, and what it pointed to is left alone.
        const QString elsewhere = dir.filePath(QStringLiteral("precious.txt"));
        QVERIFY(writeFile(elsewhere, "keep"));
        QFile::remove(path);
        QVERIFY(QFile::link(elsewhere, path));
        QVERIFY(ReportFile::save(dir.path(), "report").isEmpty());
        QCOMPARE(readAll(elsewhere), QByteArray("keep"));
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(readAll(path), QByteArray("report"));
    }

    void failuresAreNeverHandedOver()
    {
        int viewerStarts = 0;
        const ViewerStarter countingViewer = [&viewerStarts](const QString &) { return ++viewerStarts > 0; };

        // A folder where the report should go.
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QLatin1String(ReportFile::kName)));
        HandOverOutcome outcome = writeReportAndOpen(afterStart(), dir.path(), countingViewer);
        QVERIFY(!outcome.written && !outcome.error.isEmpty());
        QCOMPARE(viewerStarts, 0);

        // A folder nobody may write into, holding an older report that must not pass for this one.
        QTemporaryDir locked;
        const QString old = locked.filePath(QLatin1String(ReportFile::kName));
        QVERIFY(writeFile(old, "older run"));
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(locked.path()).isWritable() || QFile(locked.filePath("probe")).open(QIODevice::WriteOnly))
            QSKIP("running with rights that ignore folder permissions");
        outcome = writeReportAndOpen(afterStart(), locked.path(), countingViewer);
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!outcome.written);
        QCOMPARE(readAll(old), QByteArray("older run"));
        QCOMPARE(viewerStarts, 0);
    }

    void viewerGetsTheBareName()
    {
        // A stand-in viewer first on PATH records its arguments and where it was started.
        QTemporaryDir bin, work;
        const QString record = work.filePath(QStringLiteral("viewer-args"));
        const QString script = bin.filePath(QStringLiteral("xdg-open"));
        const QString recorder = QStringLiteral("#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" \"$PWD\" > '%1'\n").arg(record);
        QVERIFY(writeFile(script, recorder.toUtf8()));
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8() + ':' + oldPath);
        const QString oldDir = QDir::currentPath();
        QDir::setCurrent(work.path());

        ReportInput input = afterStart();
        input.name = QStringLiteral("Zo\u00eb $(rm -rf ~) `id` ; \u0410\u043d\u043d\u0430");
        const HandOverOutcome outcome = writeReportAndOpen(input, work.path(), &ViewerHandOver::open);

        QDir::setCurrent(oldDir);
        qputenv("PATH", oldPath);
        QVERIFY(outcome.written && outcome.viewerStarted);
        QTRY_COMPARE(readAll(record), "1|VexlorOut.txt|" + QDir(work.path()).canonicalPath().toUtf8() + '|');
        // The name is written as typed, in the locale's encoding.
        QVERIFY(readAll(work.filePath(QLatin1String(ReportFile::kName))).contains("Name: " + input.name.toUtf8() + "\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
