// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PictureStore.h"
#include "Quiz.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <cstdint>

class Announcer;
class AnswerTile;
class Form2;
class HistoryWriter;
class ProgressWindow;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTextEdit;
class WordList;

// The main window. It forwards every event to the quiz and then shows what the
// quiz wrote into its control data; it holds no rules of its own.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    Form1(const TimeOfDay &clock, UniformRandom &random, CuePlayer &cues, QWidget *parent = nullptr);

    const Quiz &quiz() const { return m_quiz; }

    // Where the play is recorded, from now on; the progress window reads it.
    void setHistory(HistoryWriter *history);
    // A word about the history that must not stop play: said once, in a note that takes no focus.
    void showHistoryNotice(const QString &text);
    // Presents a question as a choice in the word list does, through the same gate.
    void chooseQuestion(int question);

protected:
    // Closing the main window ends the program, whatever other window is open.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildGame(QWidget *client);
    void buildStartPanel(QWidget *client);
    void buildMenu();
    void describeTimeChoice();
    void connectEvents();
    void setTabOrder();

    void mresult_Click();
    void mhelp_Click();
    Form2 *viewer();
    void mprogress_Click();
    void Command4_Click();

    // Runs one handler of the quiz, then brings the widgets up to date.
    template <typename Handler>
    void handle(Handler &&handler)
    {
        handler();
        applyControls();
    }
    // Hands a control's event to the quiz, then brings the widgets up to date.
    void deliver(Quiz::Event event, int index = 0)
    {
        handle([&] { m_quiz.deliver(event, index); });
    }
    void applyControls();
    void applyStartPanel(bool shown);
    void announceChanges(bool headingChanged, const std::array<std::uint32_t, 6> &writesBefore);
    void applyTimer(const Timer &timer, QTimer *qtTimer, std::uint32_t &appliedStarts);

    Quiz m_quiz;
    PictureStore m_pictures;

    QWidget *m_frame2 = nullptr;
    QLineEdit *m_text7 = nullptr;
    QComboBox *m_combo1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QWidget *m_question = nullptr;  // holds the tiles
    std::array<AnswerTile *, 5> m_tiles{};  // index = tile number
    std::array<int, 5> m_shownPicture{-1, -1, -1, -1, -1};  // none shown yet
    QProgressBar *m_progressBar1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QTextEdit *m_text2 = nullptr;
    QLineEdit *m_text3 = nullptr;
    QLineEdit *m_text4 = nullptr;
    QTextEdit *m_text5 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command3 = nullptr;
    QPushButton *m_command4 = nullptr;
    QPushButton *m_command5 = nullptr;
    WordList *m_list1 = nullptr;
    Announcer *m_announcer = nullptr;

    QPointer<Form2> m_form2;  // made on first use; its close box discards it
    QPointer<ProgressWindow> m_progress;
    HistoryWriter *m_history = nullptr;
    QString m_historyNotice;
    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;
    std::uint32_t m_timer1Starts = 0;
    std::uint32_t m_timer2Starts = 0;
    std::array<std::uint32_t, 6> m_textWrites{};  // by text box number 1..5
    bool m_tilesTakeFocus = false;  // "Next Question" hands the keyboard to the new question
};
