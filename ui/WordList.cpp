#include "WordList.h"

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
    emit doubleClicked();
}
