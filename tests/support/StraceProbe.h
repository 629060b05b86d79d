// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

#include <functional>
#include <map>

// This test program run again in a probe mode under strace, with a fault injected into one system call.
struct StraceProbe {
    QStringList arguments;        // the probe mode and its arguments
    QString log;                  // where strace writes the trace
    std::function<void()> reset;  // puts the files back as they were before the probe's write
    QString strace = QStandardPaths::findExecutable("strace");

    // The probe's exit code, -1 when it was killed or hung; no injection traces every call.
    int run(const QString &injection = QString()) const
    {
        reset();
        qputenv("ASAN_OPTIONS", "detect_leaks=0");  // a leak check at exit would trace the process, as strace does
        QProcess probe;
        probe.start(strace, QStringList{"-qq", "-o", log, "-e", injection.isEmpty() ? "trace=all" : "inject=" + injection,
                                        "--", QCoreApplication::applicationFilePath()} + arguments);
        return probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
    }

    int killAt(const QString &step) const { return run(step.section(u':', 0, 0) + ":signal=SIGKILL:when=" + step.section(u':', 1)); }

    // The calls of the last traced run from the first that names `marker` on, as "name:n", the n-th call of that name.
    QStringList steps(const QString &marker) const
    {
        static const QRegularExpression call("^(\\w+)\\(");
        QFile trace(log);
        if (!trace.open(QIODevice::ReadOnly))
            return {};
        std::map<QString, int> calls;
        QStringList steps;
        for (const QString &line : QString::fromLocal8Bit(trace.readAll()).split(u'\n')) {
            const QString name = call.match(line).captured(1);
            const int n = name.isEmpty() ? 0 : ++calls[name];
            if (n > 0 && (!steps.isEmpty() || (name != "execve" && line.contains(marker))))
                steps << name + ':' + QString::number(n);
        }
        return steps;
    }
};
