// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FixedSeedRandom.h"
#include "Form1.h"
#include "Form2.h"
#include "FrmSplash.h"
#include "RecordingCues.h"
#include "ScriptedClock.h"

#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

#include <memory>

// Every window on a screen smaller than itself: its corner and menu on the
// screen, and every button on it once scrolled into view. Runs on a real
// display of 640 x 480, and of 800 x 600 at scale 2.
class TestSmallScreens : public QObject {
    Q_OBJECT

private slots:
    void reachable_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("splash") << "splash";
        QTest::newRow("main") << "main";
        QTest::newRow("help") << "help";
    }
    void reachable()
    {
        QFETCH(QString, window);
        ScriptedClock clock(0);
        FixedSeedRandom random;
        RecordingCues cues;
        std::unique_ptr<QWidget> shown;
        if (window == QStringLiteral("splash")) {
            shown = std::make_unique<FrmSplash>();
        } else if (window == QStringLiteral("main")) {
            shown = std::make_unique<Form1>(clock, random, cues);
        } else {
            auto viewer = std::make_unique<Form2>();
            viewer->mhelp();
            shown = std::move(viewer);
        }
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        const QRect available = shown->screen()->availableGeometry();
        QVERIFY2(available.width() < 760 || available.height() < 520, "the screen is not small; nothing was tried");
        QVERIFY2(available.contains(shown->frameGeometry().topLeft()), "corner off the screen");
        QVERIFY2(available.contains(shown->geometry()), "window runs off the screen");
        if (auto *main = qobject_cast<QMainWindow *>(shown.get()))
            QVERIFY2(available.contains(QRect(main->menuBar()->mapToGlobal(QPoint(0, 0)), main->menuBar()->size())),
                     "menu off the screen");
        const QList<QPushButton *> buttons = shown->findChildren<QPushButton *>();
        QVERIFY(!buttons.isEmpty());
        for (QPushButton *button : buttons) {
            for (QWidget *up = button->parentWidget(); up; up = up->parentWidget()) {
                if (auto *area = qobject_cast<QScrollArea *>(up))
                    area->ensureWidgetVisible(button, 0, 0);
            }
            const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
            QVERIFY2(button->isHidden() || available.contains(onScreen), qPrintable(button->text()));
        }
    }
};

QTEST_MAIN(TestSmallScreens)
#include "tst_small_screens.moc"
