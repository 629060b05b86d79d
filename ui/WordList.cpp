// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordList.h"

#include <QApplication>
#include <QKeyEvent>

WordList::WordList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void WordList::addTerms(const QStringList &terms)
{
    for (const QString &term : terms) {
        auto *item = new QListWidgetItem(term, this);
        item->setToolTip(term);
        item->setData(Qt::AccessibleTextRole, term);
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
