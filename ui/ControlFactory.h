// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <algorithm>
#include <utility>
#include <vector>

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

// The smallest size a text is set in; below it a text is no longer comfortable to read.
inline constexpr double kSmallestPointSize = 8;

// Shrinks a label's font in quarter points until its text fits the box (in
// pixels): on one line when the label does not wrap, within the box's height
// when it does. With the intended fonts the texts fit as they are; a desktop
// that lacks them gets smaller type, never below the smallest size, and a line
// that still does not fit ends in "…", with the whole text as tool tip and name.
void fitToBox(QLabel *label, const QSize &box);
// The same for texts of one kind, which share one size: the smallest that fits them all.
void fitTogether(const std::vector<std::pair<QLabel *, QSize>> &labels);
// The text a label was given, also where it shows cut short.
QString wholeText(const QLabel *label);

// Lowers a widget's font in quarter points, down to the smallest size, until fits(font) holds.
template <typename Fits>
QFont shrunkUntil(QFont font, Fits fits)
{
    while (!fits(font) && font.pointSizeF() > kSmallestPointSize)
        font.setPointSizeF(std::max(kSmallestPointSize, font.pointSizeF() - 0.25));
    return font;
}

// Shows a new text in a box the game writes, from the box's own font down to
// what the whole text needs: on one line with air at both ends (cut with "…"
// and whole in the tool tip where even the smallest size is too wide), or
// wrapped, scrolling where even the smallest size needs more lines than fit.
void setFittedText(QLabel *label, const QString &text, const QSize &room);
void setFittedText(QLineEdit *box, const QString &text);
void setFittedText(QTextEdit *area, const QString &text);

}  // namespace ControlFactory
