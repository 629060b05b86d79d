// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The first window: the quiz's name, its rules, and two sample cards sliding
// across once a second until the player presses "OK".
class FrmSplash : public QWidget {
    Q_OBJECT

public:
    explicit FrmSplash(QWidget *parent = nullptr);

    bool passRunning() const;

signals:
    // "OK" was pressed: the splash is closed for good and the game may open.
    void finished();
    // The splash was closed some other way: the program should end.
    void abandoned();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Timer1_Timer();
    void slideStep();
    void Command1_Click();
    void bringInPictures();

    QWidget *m_frame1 = nullptr;
    QLabel *m_im1 = nullptr;
    QLabel *m_im2 = nullptr;
    QLabel *m_im3 = nullptr;
    QTimer *m_timer1 = nullptr;
    QTimer *m_slide = nullptr;  // the steps of one pass
    int m_step = 0;
    bool m_leaving = false;  // "OK" is closing it
};
