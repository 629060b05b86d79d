// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The report file in the working directory.
namespace ReportFile {

inline constexpr char kName[] = "VexlorOut.txt";

// Replaces the report as a whole: the bytes go into a new file beside it, are
// flushed to the disk, and only then renamed over the old name. Whatever stands
// at that name (an older report, a link) is replaced in one step and never
// written through, and a write that fails on the way leaves it untouched.
// An empty `directory` is the working directory. Returns an empty text, or why
// the report could not be written.
QString save(const QString &directory, const QByteArray &bytes);

}  // namespace ReportFile
