// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryWriter.h"

#include "HistoryFile.h"
#include "SqliteStatement.h"

#include <QDateTime>

#include <sqlite3.h>

#include <chrono>
#include <utility>

namespace {

constexpr int kBusyMilliseconds = 5000;  // another game's write lasts milliseconds; this waits it out
constexpr int kExitBusyMilliseconds = 300;

}  // namespace

HistoryWriter::HistoryWriter(QString path, Threads threads, QObject *parent)
    : QObject(parent)
    , m_path(std::move(path))
    , m_threads(threads)
{
}

HistoryWriter::~HistoryWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    else
        run();  // what was queued is still written
}

void HistoryWriter::start()
{
    Job open;
    open.kind = JobKind::Open;
    enqueue(std::move(open));
}

void HistoryWriter::seriesStarted(const QString &playerName, int maxSeconds)
{
    Job job;
    job.kind = JobKind::Series;
    job.player = playerName;
    job.maxSeconds = maxSeconds;
    job.at = QDateTime::currentMSecsSinceEpoch();
    enqueue(std::move(job));
}

void HistoryWriter::questionEnded(const AnswerRecord &record)
{
    Job job;
    job.record = record;
    job.at = QDateTime::currentMSecsSinceEpoch();
    enqueue(std::move(job));
}

void HistoryWriter::forgetPlayer(const QString &playerName)
{
    Job job;
    job.kind = JobKind::Forget;
    job.player = playerName;
    enqueue(std::move(job));
}

bool HistoryWriter::waitIdle(int milliseconds)
{
    std::unique_lock lock(m_mutex);
    if (!m_thread.joinable())
        return m_queue.empty();
    return m_idle.wait_for(lock, std::chrono::milliseconds(milliseconds),
                           [this] { return m_queue.empty() && !m_busy; });
}

void HistoryWriter::enqueue(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(job));
    }
    m_wake.notify_one();
    startThread();
}

void HistoryWriter::startThread()
{
    if (m_threads == Threads::Own && !m_thread.joinable())
        m_thread = std::thread([this] { run(); });
}

void HistoryWriter::run()
{
    HistoryFile file;
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_busy = false;
            if (m_queue.empty())
                m_idle.notify_all();
            m_wake.wait(lock, [this] { return !m_queue.empty() || m_stopping; });
            if (m_queue.empty())
                return;
            job = std::move(m_queue.front());
            m_queue.pop_front();
            m_busy = true;
        }
        // At the end, a file locked by another program may not hold the exit up for long.
        if (m_opened && stopping())
            sqlite3_busy_timeout(file.db().handle(), kExitBusyMilliseconds);
        write(file, job);
    }
}

bool HistoryWriter::stopping()
{
    std::lock_guard lock(m_mutex);
    return m_stopping;
}

void HistoryWriter::write(HistoryFile &file, const Job &job)
{
    switch (job.kind) {
    case JobKind::Open:
        ensureOpen(file);
        break;
    case JobKind::Series:
        m_series = job;
        m_haveSeries = true;
        m_seriesId = 0;
        if (ensureOpen(file) && !insertSeries(file))
            tellTrouble(file.db().error());
        break;
    case JobKind::Answer:
        // An answer is never kept without its series: both go in one transaction when the series is not in yet.
        if (m_haveSeries && ensureOpen(file) && !insertAnswer(file, job))
            tellTrouble(file.db().error());
        break;
    case JobKind::Forget: {
        if (!ensureOpen(file))
            break;
        SqliteStatement forget(file.db(), "DELETE FROM series WHERE player = ?1");
        forget.bind(1, job.player);
        if (!forget.run())
            tellTrouble(file.db().error());
        else if (m_haveSeries && m_series.player == job.player)
            m_seriesId = 0;  // the series on show is written again with its next answer
        break;
    }
    }
}

bool HistoryWriter::ensureOpen(HistoryFile &file)
{
    if (m_opened)
        return true;
    const HistoryFile::Result result = file.open(m_path, stopping() ? kExitBusyMilliseconds : kBusyMilliseconds);
    if (result == HistoryFile::Result::Failed) {
        tellTrouble(file.error());
        return false;
    }
    m_opened = true;
    if (result == HistoryFile::Result::Renewed)
        emit notice(QStringLiteral("The history of answers could not be read. It is kept as %1, and a new history "
                                   "has begun.")
                        .arg(file.keptAs()));
    return true;
}

bool HistoryWriter::insertSeries(HistoryFile &file)
{
    SqliteStatement insert(file.db(), "INSERT INTO series(player, started_at, max_seconds) VALUES (?1, ?2, ?3)");
    insert.bind(1, m_series.player);
    insert.bind(2, m_series.at);
    insert.bind(3, static_cast<qint64>(m_series.maxSeconds));
    if (!insert.run())
        return false;
    m_seriesId = sqlite3_last_insert_rowid(file.db().handle());
    return true;
}

bool HistoryWriter::insertAnswer(HistoryFile &file, const Job &job)
{
    SqliteDb &db = file.db();
    if (!db.exec("BEGIN IMMEDIATE"))
        return false;
    const qint64 seriesBefore = m_seriesId;
    bool ok = m_seriesId != 0 || insertSeries(file);
    if (ok) {
        const AnswerRecord &r = job.record;
        SqliteStatement insert(db, "INSERT INTO answer(series_id, question, outcome, degree, wrong_clicks, "
                                   "seconds_used, hint_opened, answered_at) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
        insert.bind(1, m_seriesId);
        insert.bind(2, static_cast<qint64>(r.question));
        insert.bind(3, static_cast<qint64>(r.outcome));
        if (r.outcome == AnswerOutcome::Left)
            insert.bind(4, std::optional<QString>());
        else
            insert.bind(4, r.degree);
        insert.bind(5, static_cast<qint64>(r.wrongClicks));
        insert.bind(6, static_cast<qint64>(r.secondsUsed));
        insert.bind(7, static_cast<qint64>(r.hintOpened ? 1 : 0));
        insert.bind(8, job.at);
        ok = insert.run();
    }
    if (ok && db.exec("COMMIT"))
        return true;
    const QString error = db.error();
    db.exec("ROLLBACK");
    m_seriesId = seriesBefore;
    // The message of the failure, not of the rollback.
    tellTrouble(error);
    return true;
}

void HistoryWriter::tellTrouble(const QString &why)
{
    if (m_troubleTold)
        return;
    m_troubleTold = true;
    emit notice(QStringLiteral("Answers are not being kept in the history (%1). Play goes on, and the results "
                               "and the report are not affected.")
                    .arg(why));
}
