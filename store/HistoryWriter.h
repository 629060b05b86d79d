// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnswerLog.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

class HistoryFile;

// Records the play in the history file from a thread of its own: the
// user-interface thread only queues. The thread, and with it the file, starts
// with the first call, so a game that is only looked at never opens the file.
// Each answer is committed by itself as soon as it is taken from the queue,
// and whatever is queued is written before the writer goes.
class HistoryWriter : public QObject, public AnswerLog {
    Q_OBJECT

public:
    // Where the writes run. OneThread: nothing is written until the destructor writes
    // everything queued, on the caller's thread (a single thread to trace, in the tests).
    enum class Threads { Own, OneThread };

    explicit HistoryWriter(QString path, Threads threads = Threads::Own, QObject *parent = nullptr);
    ~HistoryWriter() override;

    QString path() const { return m_path; }
    // Opens the file now (off this thread), before anything is recorded.
    void start();

    void seriesStarted(const QString &playerName, int maxSeconds) override;
    void questionEnded(const AnswerRecord &record) override;
    // Removes every series of this player, after what is queued before it.
    void forgetPlayer(const QString &playerName);

    // Waits until everything queued so far is written; false when the time ran out.
    bool waitIdle(int milliseconds);

signals:
    // A word for the player about the history: once when a damaged file was kept aside,
    // once when answers cannot be kept. Sent from the writer thread.
    void notice(const QString &text);

private:
    enum class JobKind { Open, Series, Answer, Forget };
    struct Job {
        JobKind kind = JobKind::Answer;
        QString player;
        int maxSeconds = 0;
        qint64 at = 0;  // ms since the epoch, when the call came
        AnswerRecord record;
    };

    void enqueue(Job job);
    void startThread();
    void run();
    void write(HistoryFile &file, const Job &job);
    bool ensureOpen(HistoryFile &file);
    bool insertSeries(HistoryFile &file);
    bool insertAnswer(HistoryFile &file, const Job &job);
    void tellTrouble(const QString &why);
    bool stopping();

    const QString m_path;
    const Threads m_threads;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_queue;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;

    // Owned by the writer thread.
    bool m_opened = false;
    bool m_troubleTold = false;
    Job m_series;          // the series the answers belong to
    bool m_haveSeries = false;
    qint64 m_seriesId = 0;  // its row, 0 until written
};
