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

// Every window on a screen smaller than itself: its corner and menu on the
// screen, and every button on it once scrolled into view. Runs on a real
// display of 640 x 480, and of 800 x 600 at scale 2.
class TestSmallScreens : public QObject {
    Q_OBJECT

private slots:
    void everyWindowReachable()
    {
        ScriptedClock clock(0);
        FixedSeedRandom random;
        RecordingCues cues;
        FrmSplash splash;
        Form1 form(clock, random, cues);
        Form2 viewer;
        viewer.mhelp();
        for (QWidget *window : std::initializer_list<QWidget *>{&splash, &form, &viewer}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QRect available = window->screen()->availableGeometry();
            QVERIFY2(available.width() < 760 || available.height() < 520, "the screen is not small; nothing was tried");
            QVERIFY2(available.contains(window->frameGeometry().topLeft()), qPrintable(window->objectName()));
            QVERIFY2(available.contains(window->geometry()), qPrintable(window->objectName()));
            if (auto *main = qobject_cast<QMainWindow *>(window))
                QVERIFY(available.contains(QRect(main->menuBar()->mapToGlobal(QPoint(0, 0)), main->menuBar()->size())));
            for (QPushButton *button : window->findChildren<QPushButton *>()) {
                for (QWidget *up = button->parentWidget(); up; up = up->parentWidget()) {
                    if (auto *area = qobject_cast<QScrollArea *>(up))
                        area->ensureWidgetVisible(button, 0, 0);
                }
                const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
                QVERIFY2(button->isHidden() || available.contains(onScreen), qPrintable(button->text()));
            }
        }
    }
};

QTEST_MAIN(TestSmallScreens)
#include "tst_small_screens.moc"
