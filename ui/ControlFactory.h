// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QWidget;

// Builds the main window's controls at their twips, with their colours and fonts.
namespace ControlFactory {

QFont arial(double pointSize, bool bold = false);
QFont dialogFont();

QLabel *label(QWidget *parent, const QRect &twips, const QString &text, const QColor &colour, const QFont &font);
QLineEdit *lineBox(QWidget *parent, const QRect &twips, const QColor &text, const QColor &ground, const QFont &font,
                   Qt::Alignment alignment);
QTextEdit *textArea(QWidget *parent, const QRect &twips, const QColor &text, const QColor &ground, const QFont &font,
                    Qt::Alignment alignment);
QPushButton *button(QWidget *parent, const QRect &twips, const QString &text, const QColor &ground, const QFont &font);
void setGround(QWidget *widget, const QColor &ground);

// Shrinks a label's font in quarter points until its text fits the box (in
// pixels): on one line when the label does not wrap, within the box's height
// when it does. With the intended fonts the texts fit as they are; a desktop
// that lacks them still shows every word.
void fitToBox(QLabel *label, const QSize &box);

// Lowers a widget's font in quarter points, down to 6 pt, until fits(font) holds.
template <typename Fits>
QFont shrunkUntil(QFont font, Fits fits)
{
    while (!fits(font) && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

// Shows a new text in a box the game writes, from the box's own font down to
// what the whole text needs: on one line with air at both ends, or wrapped
// without a scroll bar.
void setFittedText(QLabel *label, const QString &text, const QSize &room);
void setFittedText(QLineEdit *box, const QString &text);
void setFittedText(QTextEdit *area, const QString &text);

}  // namespace ControlFactory
