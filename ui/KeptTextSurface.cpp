// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptTextSurface.h"

#include "KeptTextAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

// A screen reader reads the surface as read-only text, line by line.
QAccessibleInterface *describeSurface(const QString &, QObject *object)
{
    if (auto *surface = qobject_cast<KeptTextSurface *>(object))
        return new KeptTextAccessible(surface);
    return nullptr;
}

}  // namespace

KeptTextSurface::KeptTextSurface(QWidget *parent) : QWidget(parent)
{
    QAccessible::installFactory(&describeSurface);  // once: Qt ignores a factory it has
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void KeptTextSurface::clear()
{
    m_lines.clear();
    m_caret = 0;
    update();
}

void KeptTextSurface::print(const PrintLine &line)
{
    m_lines.push_back(line);
    update();
}

void KeptTextSurface::print(const QString &text)
{
    print(PrintLine{PrintItem::textItem(text)});
}

int KeptTextSurface::contentHeight() const
{
    return static_cast<int>(m_lines.size()) * fontMetrics().height();
}

int KeptTextSurface::zoneWidth() const
{
    return kZoneColumns * fontMetrics().averageCharWidth();
}

std::vector<int> KeptTextSurface::itemEdges(const PrintLine &line) const
{
    const QFontMetrics metrics = fontMetrics();
    const int zone = zoneWidth();
    std::vector<int> edges{0};
    for (const PrintItem &item : line) {
        const int x = edges.back();
        edges.push_back(item.kind == PrintItem::Kind::Text ? x + metrics.horizontalAdvance(item.text)
                                                            : nextZoneStart(x, zone));
    }
    return edges;
}

int KeptTextSurface::contentWidth() const
{
    int widest = 0;
    for (const PrintLine &line : m_lines)
        widest = std::max(widest, itemEdges(line).back());
    return widest;
}

void KeptTextSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.height();
    const int first = std::max(0, event->rect().top() / lineHeight);
    const int last = std::min(static_cast<int>(m_lines.size()) - 1, event->rect().bottom() / lineHeight);
    for (int i = first; i <= last; ++i) {
        const int baseline = i * lineHeight + metrics.ascent();
        const PrintLine &line = m_lines[static_cast<std::size_t>(i)];
        const std::vector<int> lefts = itemEdges(line);
        for (std::size_t item = 0; item < line.size(); ++item) {
            if (line[item].kind == PrintItem::Kind::Text)
                painter.drawText(lefts[item], baseline, line[item].text);
        }
    }
    // The line the caret is on, framed while the surface has the keyboard.
    if (hasFocus()) {
        const QRect caretRect = characterRect(m_caret);
        if (!caretRect.isNull()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
            painter.drawRect(QRect(0, caretRect.top(), width() - 1, lineHeight - 1));
        }
    }
}

std::vector<int> KeptTextSurface::lineStarts() const
{
    std::vector<int> starts{0};
    for (const PrintLine &line : m_lines)
        starts.push_back(starts.back() + static_cast<int>(printInColumns(line).size()) + 1);
    return starts;
}

void KeptTextSurface::setCaret(int offset)
{
    const int length = static_cast<int>(text().size());
    offset = std::clamp(offset, 0, length);
    if (offset == m_caret)
        return;
    m_caret = offset;
    update();
    QAccessibleTextCursorEvent moved(this, m_caret);
    QAccessible::updateAccessibility(&moved);
    const QRect at = characterRect(m_caret);
    if (!at.isNull())
        emit caretLineChanged(QRect(0, at.top(), width(), at.height()));
}

// Up and Down go from line to line, keeping the column where the line is long
// enough; Home and End to the ends of the line, with Control of the text.
void KeptTextSurface::keyPressEvent(QKeyEvent *event)
{
    const std::vector<int> starts = lineStarts();
    if (m_lines.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int lines = static_cast<int>(m_lines.size());
    const int line = static_cast<int>(std::upper_bound(starts.begin(), starts.end(), m_caret) - starts.begin()) - 1;
    const int column = m_caret - starts[std::size_t(line)];
    const int page = std::max(1, parentWidget() ? parentWidget()->height() / fontMetrics().height() - 1 : 1);
    const auto toLine = [&](int target) {
        target = std::clamp(target, 0, lines - 1);
        const int lineEnd = starts[std::size_t(target) + 1] - 1;
        setCaret(std::min(starts[std::size_t(target)] + column, lineEnd));
    };
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up: toLine(line - 1); break;
    case Qt::Key_Down: toLine(line + 1); break;
    case Qt::Key_PageUp: toLine(line - page); break;
    case Qt::Key_PageDown: toLine(line + page); break;
    case Qt::Key_Left: setCaret(m_caret - 1); break;
    case Qt::Key_Right: setCaret(m_caret + 1); break;
    case Qt::Key_Home: setCaret(control ? 0 : starts[std::size_t(line)]); break;
    case Qt::Key_End: setCaret(control ? starts.back() - 1 : starts[std::size_t(line) + 1] - 1); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

// A surface shown again while its window was hidden is announced as showing,
// so a screen reader does not keep it as hidden from an earlier hide.
void KeptTextSurface::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void KeptTextSurface::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void KeptTextSurface::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

QString KeptTextSurface::text() const
{
    QStringList lines;
    for (const PrintLine &line : m_lines)
        lines.append(printInColumns(line));
    return lines.join(u'\n');
}

std::vector<int> KeptTextSurface::characterEdges(const PrintLine &line) const
{
    const QFontMetrics metrics = fontMetrics();
    const std::vector<int> items = itemEdges(line);
    std::vector<int> edges{0};
    int column = 0;
    for (std::size_t n = 0; n < line.size(); ++n) {
        const PrintItem &item = line[n];
        const int x = items[n];
        if (item.kind == PrintItem::Kind::Text) {
            for (qsizetype i = 1; i <= item.text.size(); ++i)
                edges.push_back(x + metrics.horizontalAdvance(item.text.left(i)));
            column += static_cast<int>(item.text.size());
        } else {
            // The blanks of a zone move share the gap up to the next zone.
            const int blanks = nextZoneStart(column, kZoneColumns) - column;
            for (int i = 1; i <= blanks; ++i)
                edges.push_back(x + (items[n + 1] - x) * i / blanks);
            column += blanks;
        }
    }
    return edges;
}

QRect KeptTextSurface::characterRect(int offset) const
{
    const int lineHeight = fontMetrics().height();
    int lineStart = 0;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::vector<int> edges = characterEdges(m_lines[i]);
        const int length = static_cast<int>(edges.size()) - 1;
        if (offset >= lineStart && offset <= lineStart + length) {  // the line break sits at its end
            const int column = offset - lineStart;
            const int right = column < length ? edges[column + 1] : edges[column];
            return QRect(edges[column], static_cast<int>(i) * lineHeight, right - edges[column], lineHeight);
        }
        lineStart += length + 1;
    }
    return QRect();
}

int KeptTextSurface::offsetAt(const QPoint &point) const
{
    const int line = point.y() / fontMetrics().height();
    if (point.y() < 0 || line >= static_cast<int>(m_lines.size()))
        return -1;
    int lineStart = 0;
    for (int i = 0; i < line; ++i)
        lineStart += static_cast<int>(printInColumns(m_lines[static_cast<std::size_t>(i)]).size()) + 1;
    const std::vector<int> edges = characterEdges(m_lines[static_cast<std::size_t>(line)]);
    for (std::size_t c = 0; c + 1 < edges.size(); ++c) {
        if (point.x() >= edges[c] && point.x() < edges[c + 1])
            return lineStart + static_cast<int>(c);
    }
    return -1;
}
