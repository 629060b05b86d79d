#pragma once

#include <QListWidget>

// The word list. A double-click anywhere in it counts, also on empty space with
// nothing selected; the selection is settled before the signal is sent. Return
// and keypad Enter count as a double-click, so the keyboard jumps too.
class WordList : public QListWidget {
    Q_OBJECT

public:
    explicit WordList(QWidget *parent = nullptr);

    // The selected row, or -1 when nothing is selected.
    int selectedRow() const;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
