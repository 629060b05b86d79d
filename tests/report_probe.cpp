// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportFile.h"

#include <QFile>
#include <QString>

// Writes the bytes of SOURCE as the report into FOLDER, the way Exit does, so that
// the report test can stop or refuse each system call:  report_probe FOLDER SOURCE
int main(int argc, char *argv[])
{
    QFile source(QString::fromLocal8Bit(argc == 3 ? argv[2] : ""));
    const bool read = source.open(QIODevice::ReadOnly);
    return read && ReportFile::save(QString::fromLocal8Bit(argv[1]), source.readAll()).isEmpty() ? 0 : 1;
}
