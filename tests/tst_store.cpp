// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvExport.h"
#include "HistoryFile.h"
#include "HistoryReader.h"
#include "HistorySchema.h"
#include "HistoryWriter.h"
#include "SqliteDb.h"
#include "SqliteStatement.h"
#include "StraceProbe.h"
#include "TestFiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <thread>

#include <sys/mount.h>

namespace {

AnswerRecord answer(int question, AnswerOutcome outcome, double degree, int wrong = 0, int seconds = 5,
                    bool hint = false)
{
    return {question, outcome, degree, wrong, seconds, hint};
}

AnswerRecord right(int question, int degree)
{
    return answer(question, AnswerOutcome::Right, degree, (100 - degree) / 25);
}

// Plays answers into the file as the game does, and waits until they are written.
void record(const QString &path, const QString &player, const std::vector<AnswerRecord> &answers,
            QStringList *notices = nullptr)
{
    const bool existed = QFileInfo::exists(path);
    HistoryWriter writer(path);
    if (notices)
        QObject::connect(&writer, &HistoryWriter::notice, [notices](const QString &text) { notices->append(text); });
    QVERIFY(writer.waitIdle(10000));
    QCOMPARE(QFileInfo::exists(path), existed);  // a game only looked at leaves no file
    writer.seriesStarted(player, 30);
    for (const AnswerRecord &a : answers)
        writer.questionEnded(a);
}

QString integrity(const QString &path)
{
    SqliteDb db;
    if (!db.open(path, SqliteDb::Mode::ReadOnly))
        return db.error();
    SqliteStatement check(db, "PRAGMA integrity_check");
    return check.next() ? check.text(0) : db.error();
}

// Runs statements on the file through a connection of its own, as another program would.
bool execOn(const QString &path, const char *sql)
{
    SqliteDb db;
    return db.open(path, SqliteDb::Mode::ReadWriteCreate) && db.exec(sql);
}

// Each answer as question:degree, "-" for none; with its play when asked: outcome, wrong clicks, seconds of the limit.
QStringList degrees(const std::vector<AnswerRow> &rows, bool withPlay = false)
{
    static const QStringList outcomes{"right", "timed out", "left"};
    QStringList out;
    for (const AnswerRow &row : rows) {
        out << QString::number(row.question) + ':' + (row.degree ? QString::number(*row.degree) : QStringLiteral("-"));
        if (withPlay)
            out.last() += QStringLiteral(" %1 %2 wrong %3/%4 s%5").arg(outcomes[int(row.outcome)]).arg(row.wrongClicks)
                              .arg(row.secondsUsed).arg(row.maxSeconds).arg(row.hintOpened ? " hint" : "");
    }
    return out;
}

// Each series as its answers x mean degree.
QStringList sums(const QString &path)
{
    QStringList out;
    for (const SeriesAverage &s : HistoryReader(path).seriesAverages(std::nullopt))
        out << QStringLiteral("%1x%2").arg(s.answers).arg(s.average, 0, 'f', 1);
    return out;
}

}  // namespace

class TestStore : public QObject {
    Q_OBJECT

private slots:
    // Every field of every answer comes back as it was played, the name as typed, and goes out as one CSV field.
    void recordsAsPlayed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("field");  // the name in the exported file
        QTest::newRow("plain") << "Ada" << "Ada";
        QTest::newRow("comma") << "Lovelace, Ada" << "\"Lovelace, Ada\"";
        QTest::newRow("quotes and markup") << QStringLiteral("O'Brien \"<b>x</b>\"; DROP TABLE series;--")
                                           << "\"O'Brien \"\"<b>x</b>\"\"; DROP TABLE series;--\"";
        QTest::newRow("line break") << "a\nb" << "\"a\nb\"";
        QTest::newRow("formula") << "=HYPERLINK(1)" << "'=HYPERLINK(1)";
        QTest::newRow("minus and comma") << "-1,2" << "\"'-1,2\"";
        const QString control = QStringLiteral("a\tb\x01\x7f") + QChar(0) + QStringLiteral("c");
        QTest::newRow("control characters") << control << control;
        QTest::newRow("10,000 characters") << QString(10000, u'\u00e9') << QString(10000, u'\u00e9');
        QTest::newRow("empty") << QString() << QString();
    }
    void recordsAsPlayed()
    {
        QFETCH(QString, name);
        QFETCH(QString, field);
        QTemporaryDir dir;
        const QString path = dir.filePath("deep/er/history.sqlite");
        record(path, name, {right(11, 75), answer(4, AnswerOutcome::TimedOut, 0, 2, 32, true),
                            answer(7, AnswerOutcome::Left, 0, 1, 3)});
        HistoryReader reader(path);
        const std::vector<AnswerRow> rows = reader.answers(name);
        QCOMPARE(degrees(rows, true), QStringList({"11:75 right 1 wrong 5/30 s", "4:0 timed out 2 wrong 32/30 s hint",
                                                   "7:- left 1 wrong 3/30 s"}));
        QCOMPARE(rows[0].player, name);
        QVERIFY(rows[0].seriesStartedAt <= rows[0].answeredAt && rows[0].answeredAt <= rows[2].answeredAt);
        QVERIFY(reader.answers(name + 'x').empty());
        QCOMPARE(integrity(path), QStringLiteral("ok"));

        QCOMPARE(CsvExport::field(name), field);
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QVERIFY(CsvExport::write(buffer, rows, QStringList(11) << "Two, Three"));  // the term of question 11
        const QString text = QString::fromUtf8(buffer.data());
        QVERIFY(buffer.data().startsWith("\xEF\xBB\xBFplayer,series started,"));
        QVERIFY2(text.contains("\r\n" + field + ",") && text.contains(",11,\"Two, Three\",right,75,1,5,no,")
                     && text.contains(",4,,timed out,0,2,32,yes,") && text.contains(",7,,left,,1,3,no,"),
                 qPrintable(text));
        QVERIFY(text.endsWith("\r\n"));
    }

    // From every older layout to the current one, with the answers kept.
    void migration_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("averages");  // each series' answers x mean degree
        QTest::newRow("new file") << 0 << QStringList() << QStringList();
        QTest::newRow("layout 1") << 1 << QStringList({"3:100", "9:0", "12:-", "5:50"}) << QStringList({"3x33.3", "1x50.0"});
        QTest::newRow("layout 2") << 2 << QStringList({"3:75", "4:-", "6:25"}) << QStringList({"2x37.5", "1x25.0"});
        QTest::newRow("current") << 3 << QStringList() << QStringList();
    }
    void migration()
    {
        QFETCH(int, layout);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, averages);
        QTemporaryDir dir;
        const QString path = dir.filePath("history.sqlite");
        {
            SqliteDb db;
            QVERIFY(db.open(path, SqliteDb::Mode::ReadWriteCreate));
            if (layout == 1) {
                QVERIFY(HistorySchema::createVersion1(db));
                QVERIFY(db.exec("INSERT INTO answers VALUES ('Ada', 1000, 30, 3, 100, 1001), ('Ada', 1000, 30, 9, 0, 1002),"
                                "('Ada', 1000, 30, 12, NULL, 1003), ('Bo', 2000, 15, 5, 50, 2001)"));
            } else if (layout == 2) {
                QVERIFY(HistorySchema::createVersion2(db));
                QVERIFY(db.exec("INSERT INTO series VALUES (1, 'Ada', 1000, 30), (2, 'Bo', 2000, 15);"
                                "INSERT INTO answer VALUES (1, 1, 3, 0, 75, 1, 5, 0, 1001), (2, 1, 4, 2, NULL, 0, 3, 0, 1002),"
                                "(3, 2, 6, 0, 25, 3, 9, 1, 2001)"));
            } else if (layout == 3) {
                QVERIFY(HistorySchema::bringUpToDate(db));
            }
        }
        HistoryFile file;
        QCOMPARE(file.open(path, 1000), HistoryFile::Result::Opened);
        QCOMPARE(file.db().scalar("PRAGMA user_version"), qint64(HistorySchema::kCurrentVersion));
        QCOMPARE(HistorySchema::inspect(file.db()), HistorySchema::Kind::Ours);
        file.db().close();
        const std::vector<AnswerRow> rows = HistoryReader(path).answers(std::nullopt);
        QCOMPARE(degrees(rows), expected);
        if (layout == 1) {  // the outcome and the wrong clicks follow from the degree
            QCOMPARE(degrees(rows, true), QStringList({"3:100 right 0 wrong 0/30 s", "9:0 timed out 0 wrong 0/30 s",
                                                       "12:- left 0 wrong 0/30 s", "5:50 right 2 wrong 0/15 s"}));
            QCOMPARE(rows[3].player, QStringLiteral("Bo"));
        }
        QCOMPARE(sums(path), averages);
        // Played on after the move up: the new series' sums grow with its answers.
        record(path, "Ada", {right(1, 25), right(2, 100)});
        QCOMPARE(HistoryReader(path).answers(std::nullopt).size(), std::size_t(expected.size() + 2));
        QCOMPARE(sums(path), averages + QStringList({"2x62.5"}));
    }

    // A file that is not our history is kept aside byte for byte; a fresh one records, and the player is told once.
    void unreadableKeptAside_data()
    {
        QTest::addColumn<QByteArray>("sql");       // made as a database by these statements, when not empty
        QTest::addColumn<QByteArray>("contents");  // else written as these bytes
        QTest::newRow("text file") << QByteArray() << QByteArray("player,degree\nAda,100\n");
        QTest::newRow("zeros") << QByteArray() << QByteArray(8192, '\0');
        QTest::newRow("another program's database") << QByteArray("CREATE TABLE notes(x); INSERT INTO notes VALUES (1);")
                                                     << QByteArray();
        QTest::newRow("a newer layout") << QByteArray("PRAGMA application_id = 1448627282; PRAGMA user_version = 9;"
                                                      "CREATE TABLE t(x);")
                                        << QByteArray();
        QTest::newRow("damaged page") << QByteArray("damage") << QByteArray();
    }
    void unreadableKeptAside()
    {
        QFETCH(QByteArray, sql);
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath("history.sqlite");
        if (sql == "damage") {
            record(path, "Ada", std::vector<AnswerRecord>(400, right(1, 100)));
            // folded into the main file, so the damage below is all there is
            QVERIFY(execOn(path, "PRAGMA wal_checkpoint(TRUNCATE); PRAGMA journal_mode = DELETE"));
            QByteArray file = fileBytes(path);
            QVERIFY(file.size() > 3 * 4096);
            file.replace(2 * 4096, 4096, QByteArray(4096, '\x5a'));
            QVERIFY(putFile(path, file));
        } else if (!sql.isEmpty()) {
            QVERIFY(execOn(path, sql.constData()));
        } else {
            QVERIFY(putFile(path, contents));
        }
        const QByteArray before = fileBytes(path);

        QStringList notices;
        record(path, "Ada", {right(2, 100)}, &notices);
        record(path, "Ada", {right(3, 50)}, &notices);
        QCOMPARE(notices.size(), 1);
        const QStringList aside = QDir(dir.path()).entryList({"history.sqlite.unreadable-*"})
                                      .filter(QRegularExpression("unreadable-[0-9-]+$"));  // not its journals
        QCOMPARE(aside.size(), 1);
        QVERIFY2(notices[0].contains(aside[0]), qPrintable(notices[0]));
        QCOMPARE(fileBytes(dir.filePath(aside[0])), before);
        QCOMPARE(degrees(HistoryReader(path).answers("Ada")), QStringList({"2:100", "3:50"}));
        QCOMPARE(integrity(path), QStringLiteral("ok"));
    }

    // Where nothing can be written the play goes on: the player is told once, and what was kept stays.
    void unwritable_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("read-only folder") << QStringLiteral("readonly");
        QTest::newRow("full disk") << QStringLiteral("full");
        QTest::newRow("locked by another program") << QStringLiteral("locked");
    }
    void unwritable()
    {
        QFETCH(QString, where);
        QTemporaryDir dir;
        // A small disk of its own, or a read-only one no one writes to, root included.
        const QString disk = dir.filePath("disk"), path = disk + "/Vexlor/history.sqlite";
        const QByteArray mountPoint = QFile::encodeName(where == "locked" ? QString() : disk);
        const auto unmount = qScopeGuard([&] { umount2(mountPoint.constData(), MNT_DETACH); });
        if (!mountPoint.isEmpty() && (!QDir().mkpath(disk) || mount("tmpfs", mountPoint.constData(), "tmpfs",
                                                                    where == "readonly" ? MS_RDONLY : 0, "size=256k") != 0))
            QSKIP("no tmpfs can be mounted here (not root?)");
        if (where != "readonly")
            record(path, "Ada", {right(1, 100), right(2, 75)});
        if (where == "full")  // the disk filled up by something else
            QVERIFY(!putFile(disk + "/filler", QByteArray(1024 * 1024, 'f')));
        SqliteDb holder;
        QVERIFY(where != "locked" || (holder.open(path, SqliteDb::Mode::ReadWriteCreate) && holder.exec("BEGIN EXCLUSIVE")));

        QStringList notices;
        record(path, "Ada", std::vector<AnswerRecord>(8, right(10, 100)), &notices);
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices[0].contains("Play goes on"), qPrintable(notices[0]));
        holder.close();
        QFile::remove(disk + "/filler");  // room again, to read what was kept
        if (where != "readonly") {
            QCOMPARE(degrees(HistoryReader(path).answers("Ada")).mid(0, 2), QStringList({"1:100", "2:75"}));
            QCOMPARE(integrity(path), QStringLiteral("ok"));
        }
    }

    // Two games at once: each waits for the other's write, and no answer is lost.
    void twoGamesAtOnce()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("history.sqlite"), fresh = dir.filePath("fresh.sqlite");
        {  // one game is making a new file while the other opens it: the other waits, and keeps its answer
            SqliteDb other;
            QVERIFY(other.open(fresh, SqliteDb::Mode::ReadWriteCreate) && other.exec("BEGIN IMMEDIATE"));
            std::thread done([&other] { QThread::msleep(300); other.exec("ROLLBACK"); });
            QStringList notices;
            record(fresh, "Ada", {right(1, 100)}, &notices);
            done.join();
            QCOMPARE(notices, QStringList());
            QCOMPARE(degrees(HistoryReader(fresh).answers("Ada")), QStringList({"1:100"}));
        }
        constexpr int kAnswers = 150;
        QProcess games[2];
        for (int g = 0; g < 2; ++g)
            games[g].start(QCoreApplication::applicationFilePath(),
                           {"--play", path, QStringLiteral("game %1").arg(g), QString::number(kAnswers)});
        for (QProcess &game : games) {
            QVERIFY(game.waitForFinished(120000));
            QCOMPARE(game.exitCode(), 0);
            QCOMPARE(game.readAllStandardError(), QByteArray());
        }
        for (const char *player : {"game 0", "game 1"})
            QCOMPARE(HistoryReader(path).answers(player).size(), std::size_t(kAnswers));
        QCOMPARE(integrity(path), QStringLiteral("ok"));
    }

    // Killed at each system call of one answer's write: a sound file with every earlier answer.
    void killedWhileWriting()
    {
        QTemporaryDir dir, aside;
        const QString path = dir.filePath("history.sqlite"), seed = aside.filePath("seed.sqlite");
        record(seed, "Ada", {right(1, 100), right(2, 75), right(3, 50)});
        QVERIFY(execOn(seed, "PRAGMA wal_checkpoint(TRUNCATE)"));  // one file, no journal beside it, to copy
        const QByteArray seedBytes = fileBytes(seed);
        const StraceProbe probe{{"--probe", path}, aside.filePath("trace.log"), [&] { onlyFile(path, seedBytes); }};
        if (probe.strace.isEmpty())
            QSKIP("strace is not installed; the kill check did not run");
        QCOMPARE(probe.run(), 0);
        QCOMPARE(HistoryReader(path).answers("Ada").size(), std::size_t(4));
        const QStringList steps = probe.steps(path);
        QVERIFY(steps.size() > 10);
        QSet<int> counts;
        for (const QString &step : steps) {
            probe.killAt(step);
            QCOMPARE(integrity(path), QStringLiteral("ok"));
            const QStringList kept = degrees(HistoryReader(path).answers("Ada"));
            QVERIFY2(kept.mid(0, 3) == QStringList({"1:100", "2:75", "3:50"}), qPrintable(step));
            counts.insert(int(kept.size()));
        }
        QCOMPARE(counts, QSet<int>({3, 4}));  // the kills fell both before and after the answer was committed
    }

    // The colours' source: the last three tries of each question, for one player or all; the weakest first.
    void masteryAndWeakest()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("history.sqlite");
        record(path, "Ada", {right(5, 25), right(5, 25), right(5, 100), right(5, 100), right(5, 100),
                             answer(8, AnswerOutcome::TimedOut, 0), right(9, 50), answer(9, AnswerOutcome::Left, 0)});
        record(path, "Bo", {right(8, 100), right(8, 100), right(20, 75)});
        HistoryReader reader(path);
        const auto text = [](const std::vector<QuestionMastery> &list) {
            QStringList out;
            for (const QuestionMastery &m : list)
                out << QStringLiteral("%1:%2x%3").arg(m.question).arg(m.average).arg(m.tries);
            return out.join(' ');
        };
        QCOMPARE(text(reader.mastery("Ada")), QStringLiteral("5:100x3 8:0x1 9:25x2"));
        QCOMPARE(text(reader.mastery(std::nullopt)), QStringLiteral("5:100x3 8:66.6667x3 9:25x2 20:75x1"));
        QCOMPARE(text(HistoryReader::weakest(reader.mastery("Ada"), 10)), QStringLiteral("8:0x1 9:25x2 5:100x3"));
        QCOMPARE(text(HistoryReader::weakest(reader.mastery(std::nullopt), 2)), QStringLiteral("9:25x2 8:66.6667x3"));
        QVERIFY(reader.mastery("Cy").empty());
        QCOMPARE(sums(path), QStringList({"8x50.0", "3x91.7"}));

        HistoryWriter writer(path);  // forgetting one player leaves the other whole
        writer.start();
        writer.forgetPlayer("Ada");
        QVERIFY(writer.waitIdle(10000));
        QCOMPARE(degrees(HistoryReader(path).answers(std::nullopt)), QStringList({"8:100", "8:100", "20:75"}));
        QCOMPARE(sums(path), QStringList({"3x91.7"}));
    }
};

int main(int argc, char *argv[])
{
    // `--probe FILE`: one series and one answer written as the game writes them, then the end.
    if (argc == 3 && qstrcmp(argv[1], "--probe") == 0) {
        HistoryWriter writer(QString::fromLocal8Bit(argv[2]), HistoryWriter::Threads::OneThread);
        writer.seriesStarted("Ada", 30);
        writer.questionEnded(right(4, 100));
        return 0;
    }
    // `--play FILE NAME COUNT`: a game recording COUNT answers as fast as it can.
    if (argc == 5 && qstrcmp(argv[1], "--play") == 0) {
        QCoreApplication app(argc, argv);
        HistoryWriter writer(QString::fromLocal8Bit(argv[2]));
        QObject::connect(&writer, &HistoryWriter::notice, [](const QString &text) { qWarning("%s", qPrintable(text)); });
        writer.start();
        writer.seriesStarted(QString::fromLocal8Bit(argv[3]), 30);
        for (int i = 0; i < atoi(argv[4]); ++i) {
            writer.questionEnded(right(i % 100 + 1, 100));
            if (i % 10 == 0)
                writer.waitIdle(10000);  // interleaved with the other game's writes
        }
        writer.waitIdle(60000);
        QCoreApplication::processEvents();  // hands over any notice
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestStore test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_store.moc"
