// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordList.h"

#include "ShownTextDelegate.h"

#include <QApplication>
#include <QHash>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <vector>

namespace {

const QString kEllipsis = QStringLiteral("\u2026");

qsizetype commonPrefixLength(const QString &a, const QString &b)
{
    const qsizetype shorter = std::min(a.size(), b.size());
    qsizetype length = 0;
    while (length < shorter && a.at(length) == b.at(length))
        ++length;
    return length;
}

// As much of the term's start as fits, "…", and its end from the word in which
// it differs from a term that begins like it.
QString cutWhereDiffering(const QString &term, qsizetype differs, const QFontMetrics &metrics, int width)
{
    const qsizetype blank = term.lastIndexOf(u' ', differs);
    const qsizetype tailStart = blank < 0 ? differs : blank;  // the blank stays, before the word
    const QString tail = term.mid(tailStart);
    if (metrics.horizontalAdvance(kEllipsis + tail) >= width)
        return metrics.elidedText(term, Qt::ElideMiddle, width);
    QString head = term.left(tailStart);
    while (!head.isEmpty() && (head.endsWith(u' ') || metrics.horizontalAdvance(head + kEllipsis + tail) > width))
        head.chop(1);
    return head + kEllipsis + tail;
}

}  // namespace

WordList::WordList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new ShownTextDelegate(this));
}

void WordList::addTerms(const QStringList &terms)
{
    for (const QString &term : terms) {
        auto *item = new QListWidgetItem(term, this);
        item->setToolTip(term);
        item->setData(Qt::AccessibleTextRole, term);
    }
    cutTerms();
}

QString WordList::shownText(int row) const
{
    const QVariant shown = item(row)->data(ShownTextDelegate::kShownTextRole);
    return shown.isValid() ? shown.toString() : item(row)->text();
}

void WordList::resizeEvent(QResizeEvent *event)
{
    QListWidget::resizeEvent(event);
    cutTerms();
}

// The room for a row's text, as the style lays it out and keeps a margin on either side.
int WordList::textWidth() const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = QRect(0, 0, viewport()->width(), fontMetrics().height());
    option.features |= QStyleOptionViewItem::HasDisplay;
    const QRect text = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return text.width() - 2 * margin;
}

// Terms too wide for a row end in "…"; where two would then read the same,
// both keep the words in which they differ.
void WordList::cutTerms()
{
    const int width = textWidth();
    const QFontMetrics metrics = fontMetrics();
    std::vector<QString> shown;
    QHash<QString, QList<int>> alike;
    for (int row = 0; row < count(); ++row) {
        shown.push_back(metrics.elidedText(item(row)->text(), Qt::ElideRight, width));
        alike[shown.back()].append(row);
    }
    for (const QList<int> &rows : std::as_const(alike)) {
        if (rows.size() < 2)
            continue;
        for (int row : rows) {
            qsizetype differs = 0;
            for (int other : rows) {
                if (other != row)
                    differs = std::max(differs, commonPrefixLength(item(row)->text(), item(other)->text()));
            }
            shown[std::size_t(row)] = cutWhereDiffering(item(row)->text(), differs, metrics, width);
        }
    }
    for (int row = 0; row < count(); ++row) {
        const QString &text = shown[std::size_t(row)];
        item(row)->setData(ShownTextDelegate::kShownTextRole, text == item(row)->text() ? QVariant() : QVariant(text));
    }
}

int WordList::selectedRow() const
{
    const QList<QListWidgetItem *> items = selectedItems();
    return items.isEmpty() ? -1 : row(items.first());
}

void WordList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListWidget::mouseDoubleClickEvent(event);
    emit termChosen(selectedRow());
}

void WordList::keyPressEvent(QKeyEvent *event)
{
    const bool searching = m_lastTyped.isValid() && m_lastTyped.elapsed() < QApplication::keyboardInputInterval();
    const bool space = event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && !searching;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || space) {
        // The entry under the focus is the one chosen, as a double-click selects what it hits.
        if (QListWidgetItem *item = currentItem())
            setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        emit termChosen(selectedRow());
        return;
    }
    if (!event->text().isEmpty() && event->text().at(0).isPrint())
        m_lastTyped.start();
    QListWidget::keyPressEvent(event);
}

void WordList::focusInEvent(QFocusEvent *event)
{
    if (m_keptCurrent.isValid() && !currentIndex().isValid())
        selectionModel()->setCurrentIndex(m_keptCurrent, QItemSelectionModel::NoUpdate);
    QListWidget::focusInEvent(event);
}

void WordList::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    // A menu or another window keeps the list's place, as the keyboard will come back to it.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    m_keptCurrent = currentIndex();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}
