// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The maker's one contact, shown alike in the main window's caption, the
// splash and the help text.
namespace Contact {

inline constexpr char kEmail[] = "vexlor@quelro.example";
inline constexpr char kWeb[] = "https://quelro.example/vexlor";

inline QString line()
{
    return QStringLiteral("E-mail: %1    Web: %2").arg(QLatin1String(kEmail), QLatin1String(kWeb));
}

}  // namespace Contact
