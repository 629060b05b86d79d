#pragma once

#include <QPixmap>
#include <QWidget>

// One answer tile: shows its picture at the picture's own size from the inner
// top-left corner, clipped, on the window-background colour of the desktop.
class AnswerTile : public QWidget {
    Q_OBJECT

public:
    explicit AnswerTile(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    void setBorder(int borderStyle);
    int border() const { return m_border; }

signals:
    void clicked();
    void hovered();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
    int m_border = 0;
    bool m_pressed = false;
};
