// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MasteryMap.h"

#include "MasteryMapAccessible.h"
#include "QuestionBank.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kQuestions = QuestionBank::kQuestionTotal;
constexpr int kColumns = 10;
constexpr int kRows = (kQuestions + kColumns - 1) / kColumns;
constexpr int kGap = 2;
constexpr int kCellWidth = 34;
constexpr int kCellHeight = 24;

QColor blend(const QColor &from, const QColor &to, double t)
{
    const auto mix = [t](float a, float b) { return static_cast<float>(a + (b - a) * t); };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()), mix(from.blueF(), to.blueF()));
}

QAccessibleInterface *describeMap(const QString &, QObject *object)
{
    if (auto *map = qobject_cast<MasteryMap *>(object))
        return new MasteryMapAccessible(map);
    return nullptr;
}

}  // namespace

MasteryMap::MasteryMap(QWidget *parent)
    : QWidget(parent), m_colours(kQuestions, colourFor(std::nullopt)), m_texts(kQuestions)
{
    QAccessible::installFactory(&describeMap);  // once: Qt ignores a factory it has
    setAccessibleName(QStringLiteral("Mastery of each question"));
    setFocusPolicy(Qt::StrongFocus);  // a keyboard player walks the cells with the arrows and hears each
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (int q = 1; q <= kQuestions; ++q)
        m_texts[static_cast<std::size_t>(q - 1)] = QString::number(q);
}

QColor MasteryMap::colourFor(std::optional<double> average)
{
    if (!average)
        return QColor(214, 214, 214);
    const QColor red(226, 88, 76), amber(240, 196, 70), green(86, 178, 96);
    const double t = std::clamp(*average / 100.0, 0.0, 1.0);
    return t < 0.5 ? blend(red, amber, t * 2) : blend(amber, green, (t - 0.5) * 2);
}

void MasteryMap::setMastery(const std::vector<QuestionMastery> &mastery, const QStringList &terms)
{
    std::vector<std::optional<QuestionMastery>> byQuestion(kQuestions + 1);
    for (const QuestionMastery &m : mastery) {
        if (m.question >= 1 && m.question <= kQuestions)
            byQuestion[static_cast<std::size_t>(m.question)] = m;
    }
    for (int q = 1; q <= kQuestions; ++q) {
        const std::optional<QuestionMastery> &m = byQuestion[static_cast<std::size_t>(q)];
        const auto cell = static_cast<std::size_t>(q - 1);
        m_colours[cell] = colourFor(m ? std::optional<double>(m->average) : std::nullopt);
        const QString term = q < terms.size() ? terms[q] : QString();
        m_texts[cell] = m ? QStringLiteral("%1 %2: %3 % over the last %4 %5")
                                .arg(q)
                                .arg(term)
                                .arg(qRound(m->average))
                                .arg(m->tries)
                                .arg(m->tries == 1 ? QStringLiteral("try") : QStringLiteral("tries"))
                          : QStringLiteral("%1 %2: never asked").arg(q).arg(term);
        if (QAccessible::isActive()) {
            QAccessibleEvent changed(this, QAccessible::NameChanged);
            changed.setChild(q - 1);
            QAccessible::updateAccessibility(&changed);
        }
    }
    update();
}

QColor MasteryMap::cellColour(int question) const
{
    return m_colours.at(static_cast<std::size_t>(question - 1));
}

QString MasteryMap::cellText(int question) const
{
    return m_texts.at(static_cast<std::size_t>(question - 1));
}

QSize MasteryMap::sizeHint() const
{
    return {kColumns * (kCellWidth + kGap) - kGap, kRows * (kCellHeight + kGap) - kGap};
}

QRect MasteryMap::cellRect(int question) const
{
    const int column = (question - 1) % kColumns, row = (question - 1) / kColumns;
    // The cells share out the width the window gives, as a grid of labels would.
    const int left = column * (width() + kGap) / kColumns;
    const int right = (column + 1) * (width() + kGap) / kColumns - kGap;
    const int top = row * (kCellHeight + kGap);
    return QRect(QPoint(left, top), QPoint(right - 1, top + kCellHeight - 1));
}

int MasteryMap::cellAt(const QPoint &point) const
{
    for (int q = 1; q <= kQuestions; ++q) {
        if (cellRect(q).contains(point))
            return q;
    }
    return 0;
}

bool MasteryMap::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int q = cellAt(help->pos());
        if (q == 0)
            QToolTip::hideText();
        else  // a term or a name is never taken as markup
            QToolTip::showText(help->globalPos(), cellText(q).toHtmlEscaped(), this, cellRect(q));
        return true;
    }
    return QWidget::event(event);
}

void MasteryMap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    for (int q = 1; q <= kQuestions; ++q) {
        const QRect cell = cellRect(q);
        painter.fillRect(cell, cellColour(q));
        painter.drawText(cell, Qt::AlignCenter, QString::number(q));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = cellRect(m_current).adjusted(1, 1, -1, -1);
        focus.backgroundColor = cellColour(m_current);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void MasteryMap::keyPressEvent(QKeyEvent *event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -kColumns; break;
    case Qt::Key_Down: step = kColumns; break;
    case Qt::Key_Home: step = 1 - m_current; break;
    case Qt::Key_End: step = kQuestions - m_current; break;
    default: QWidget::keyPressEvent(event); return;
    }
    setCurrent(std::clamp(m_current + step, 1, kQuestions));
}

void MasteryMap::mousePressEvent(QMouseEvent *event)
{
    if (const int q = cellAt(event->position().toPoint()))
        setCurrent(q);
    QWidget::mousePressEvent(event);
}

void MasteryMap::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    setCurrent(m_current);  // the screen reader hears the cell, not only the map
}

void MasteryMap::setCurrent(int question)
{
    m_current = question;
    update();
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(question - 1);
        QAccessible::updateAccessibility(&focus);
    }
}
