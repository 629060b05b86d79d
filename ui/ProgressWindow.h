// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HistoryReader.h"

#include <QStringList>
#include <QWidget>

class HistoryWriter;
class MasteryMap;
class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class TrendPlot;

// What to practise: the mastery map, the series averages over time and the
// weakest questions of one player, or of all. It reads the history when it is
// shown or asked to; choosing a weak question asks the main window for it.
class ProgressWindow : public QWidget {
    Q_OBJECT

public:
    // `terms` holds the term of question q at index q.
    ProgressWindow(HistoryWriter *history, QStringList terms, QWidget *parent);

    // Reads the history again for this player (or everyone, when so chosen).
    void showPlayer(const QString &player);
    void setNotice(const QString &text);

    MasteryMap *map() const { return m_map; }
    TrendPlot *plot() const { return m_plot; }
    QListWidget *weakest() const { return m_weakest; }

signals:
    void questionChosen(int question);

protected:
    // Escape closes the window as "Close" does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void refresh();
    void exportAnswers();
    void forgetPlayer();
    std::optional<QString> chosenPlayer() const;

    HistoryWriter *m_history;
    HistoryReader m_reader;
    QStringList m_terms;
    QString m_player;

    QLabel *m_who = nullptr;
    QCheckBox *m_everyone = nullptr;
    QLabel *m_notice = nullptr;
    MasteryMap *m_map = nullptr;
    TrendPlot *m_plot = nullptr;
    QListWidget *m_weakest = nullptr;
    QPushButton *m_forget = nullptr;
};
