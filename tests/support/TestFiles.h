// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

// A file's bytes, or "<missing>" when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Empties a file's folder, then puts the file back in it alone: the start of each killed run.
inline void onlyFile(const QString &path, const QByteArray &bytes)
{
    const QDir folder = QFileInfo(path).dir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden))
        QFile::remove(folder.filePath(name));
    putFile(path, bytes);
}
