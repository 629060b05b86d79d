// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportFile.h"

#include <QByteArray>
#include <QString>

#include <cstdlib>

// Writes a report of SIZE bytes of the letter n into FOLDER, the way Exit does,
// so that the fault tests can stop it at every system call of the write.
//   report_probe FOLDER SIZE
int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    const QByteArray report(std::atoi(argv[2]), 'n');
    return ReportFile::save(QString::fromLocal8Bit(argv[1]), report).isEmpty() ? 0 : 1;
}
