// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ResultRows.h"

#include <QWidget>

#include <vector>

class KeptTextSurface;
class QPushButton;
class QScrollBar;

// The viewer for the help text and the results table. It only shows what it is
// given at the moment of the menu command; later answers do not refresh it.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

    void mhelp();                                           // the help text on the window's own surface
    void mresult(const std::vector<PrintLine> &resultRows);  // the table on the scrollable surface

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Escape closes the viewer as "Close" does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void VScroll1_Change(int value);
    void fitResultSurface();
    void fitHelpText();
    void showCaretLine(const QRect &line);

    KeptTextSurface *m_surface = nullptr;   // the window's own surface
    KeptTextSurface *m_picture1 = nullptr;  // the results surface, taller than the window
    QScrollBar *m_vscroll1 = nullptr;
    QPushButton *m_command1 = nullptr;
};
