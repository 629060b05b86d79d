// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
// The history's figures, side by side: what recording an answer costs the
// user-interface thread and the writer, the opening of the progress window on
// a long history, and the file's size per thousand series.
#include "HistoryFile.h"
#include "HistoryWriter.h"
#include "ProgressWindow.h"
#include "SqliteDb.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kAnswers = 200;
constexpr int kSeries = 10000;

// Ten thousand series of twenty answers, laid in as one transaction.
bool seed(const QString &path)
{
    HistoryFile file;
    if (file.open(path, 5000) == HistoryFile::Result::Failed)
        return false;
    const QByteArray sql = "BEGIN;"
                           "WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s WHERE i < "
                           + QByteArray::number(kSeries)
                           + ") INSERT INTO series(id, player, started_at, max_seconds) "
                             "SELECT i, CASE WHEN i % 3 = 0 THEN 'Bo' ELSE 'Ada' END, 1700000000000 + i * 3600000, 30 FROM s;"
                             "WITH RECURSIVE a(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM a WHERE i < "
                           + QByteArray::number(kSeries * 20 - 1)
                           + ") INSERT INTO answer(series_id, question, outcome, degree, wrong_clicks, seconds_used, "
                             "hint_opened, answered_at) SELECT i / 20 + 1, (i * 37) % 100 + 1, 0, (abs(random()) % 5) * 25, "
                             "0, 5, 0, 1700000000000 + i * 1000 FROM a;"
                             "COMMIT; PRAGMA wal_checkpoint(TRUNCATE);";
    return file.db().exec(sql.constData());
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;

    {
        HistoryWriter writer(dir.filePath("record.sqlite"));
        writer.start();
        writer.seriesStarted(QStringLiteral("Ada"), 30);
        writer.waitIdle(10000);
        std::vector<qint64> onCaller;
        QElapsedTimer all;
        all.start();
        for (int i = 0; i < kAnswers; ++i) {
            QElapsedTimer one;
            one.start();
            writer.questionEnded({i % 100 + 1, AnswerOutcome::Right, 75, 1, 6, false});
            onCaller.push_back(one.nsecsElapsed());
            writer.waitIdle(10000);  // one at a time, as a player answers
        }
        std::sort(onCaller.begin(), onCaller.end());
        std::printf("recording an answer, user-interface thread: median %.3f ms, worst %.3f ms (limit 1 ms)\n",
                    static_cast<double>(onCaller[kAnswers / 2]) / 1e6, static_cast<double>(onCaller.back()) / 1e6);
        std::printf("recording an answer, writer thread (committed to disk): %.2f ms each\n",
                    static_cast<double>(all.nsecsElapsed()) / 1e6 / kAnswers);
    }

    const QString history = dir.filePath("long.sqlite");
    if (!seed(history)) {
        std::fprintf(stderr, "could not lay in the long history\n");
        return 1;
    }
    std::printf("history size: %.2f MB per 1,000 series of 20 answers\n",
                static_cast<double>(QFileInfo(history).size()) / 1e6 / (kSeries / 1000.0));

    HistoryWriter writer(history);
    QStringList terms(101, QStringLiteral("Term"));
    {
        QElapsedTimer bare;
        bare.start();
        ProgressWindow window(nullptr, terms, nullptr);
        window.show();
        app.processEvents();
        std::printf("the progress window's widgets alone, first shown: %lld ms\n", bare.elapsed());
    }
    for (bool onePlayer : {true, false}) {
        QElapsedTimer open;
        open.start();
        ProgressWindow window(&writer, terms, nullptr);
        window.showPlayer(QStringLiteral("Ada"));
        if (!onePlayer)
            window.findChild<QAbstractButton *>()->click();  // all players, read again
        window.show();
        app.processEvents();
        std::printf("opening the progress window on %d series (%s): %lld ms (limit 300 ms)\n", kSeries,
                    onePlayer ? "one player" : "one player, then all", open.elapsed());
    }
    return 0;
}
