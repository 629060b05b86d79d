// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AfterFirstPaint.h"
#include "FixedSeedRandom.h"
#include "Form1.h"
#include "FrmSplash.h"
#include "HistoryFile.h"
#include "HistoryWriter.h"
#include "KeyboardPlay.h"
#include "Pictures.h"
#include "ProgramIdentity.h"
#include "SoundCues.h"
#include "SystemTimeOfDay.h"

#include <QApplication>
#include <QIcon>

#include <memory>

namespace {

// The sizes a window manager draws in title bars and task lists. Docks and switchers that want
// larger ones take the installed icon that the desktop file names, matched by the desktop file
// name set below; the window need not carry 128 and 256 pixel copies, decoded, twice over.
QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(Pictures::named(QStringLiteral("icon-%1.png").arg(size)));
    return icon;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The name a screen reader says, and the X11 window class, which the desktop file
    // declares as its StartupWMClass; the Wayland app_id is the desktop file's own id.
    // Either way docks tie the running window to its launcher.
    QApplication::setApplicationName(QStringLiteral("Vexlor"));
    QApplication::setApplicationVersion(QLatin1String(ProgramIdentity::kVersion));
    QGuiApplication::setDesktopFileName(QLatin1String(ProgramIdentity::kAppId));
    // Between the splash and the main window no window is shown; that must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    KeyboardPlay::install(&app);

    SystemTimeOfDay clock;
    FixedSeedRandom random;
    SoundCues cues;
    // Declared before the window, so it outlives it and writes what is queued at the end.
    HistoryWriter history(HistoryFile::defaultPath());
    std::unique_ptr<Form1> form;
    // The history is first written when a series starts on the main window, so a word about it finds that window.
    QObject::connect(&history, &HistoryWriter::notice, &app, [&](const QString &text) {
        if (form)
            form->showHistoryNotice(text);
    });

    auto *splash = new FrmSplash();
    // The splash deletes itself once it is done. The main window is built after that, not
    // beside it, so the two never hold their window images and text caches at once.
    QObject::connect(splash, &QObject::destroyed, [&] {
        form = std::make_unique<Form1>(clock, random, cues);
        form->setHistory(&history);
        form->show();
        form->activateWindow();  // the keyboard goes on in the game, also without a window manager
        QApplication::setQuitOnLastWindowClosed(true);
    });
    QObject::connect(splash, &FrmSplash::abandoned, &app, &QCoreApplication::quit);
    // What the splash does not show waits until it is on screen: the sound layer, and the
    // window icon, which the window system would otherwise have decoded in all its sizes first.
    // The history file waits for the first series.
    new AfterFirstPaint(*splash, [&cues] {
        cues.load();
        QApplication::setWindowIcon(programIcon());
    });
    splash->show();
    return QApplication::exec();
}
