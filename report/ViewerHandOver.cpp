// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewerHandOver.h"

#include <QDir>
#include <QProcess>

namespace ViewerHandOver {

namespace {

bool startQuietly(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(QDir::currentPath());
    // A desktop with no handler for text makes the opener complain; the player
    // is not to see that on the terminal.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

}  // namespace

bool open(const QString &bareFileName)
{
    return startQuietly(QStringLiteral("xdg-open"), {bareFileName})
           || startQuietly(QStringLiteral("gio"), {QStringLiteral("open"), bareFileName});
}

}  // namespace ViewerHandOver
