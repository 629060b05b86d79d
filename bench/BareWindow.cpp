// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up: a bare Qt Widgets window with one label, the
// size of the game's main window, built with the game's flags.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Vexlor"));
    window.resize(759, 492);
    window.show();
    return QApplication::exec();
}
