#include "KeptTextSurface.h"

#include <QPaintEvent>
#include <QPainter>

KeptTextSurface::KeptTextSurface(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void KeptTextSurface::clear()
{
    m_lines.clear();
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

int KeptTextSurface::contentWidth() const
{
    const QFontMetrics metrics = fontMetrics();
    const int zone = zoneWidth();
    int widest = 0;
    for (const PrintLine &line : m_lines) {
        int x = 0;
        for (const PrintItem &item : line)
            x = item.kind == PrintItem::Kind::Text ? x + metrics.horizontalAdvance(item.text) : (x / zone + 1) * zone;
        widest = std::max(widest, x);
    }
    return widest;
}

void KeptTextSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    const int zoneWidth = this->zoneWidth();
    const int lineHeight = metrics.height();
    const int first = std::max(0, event->rect().top() / lineHeight);
    const int last = std::min(static_cast<int>(m_lines.size()) - 1, event->rect().bottom() / lineHeight);
    for (int i = first; i <= last; ++i) {
        const int baseline = i * lineHeight + metrics.ascent();
        int x = 0;
        for (const PrintItem &item : m_lines[static_cast<std::size_t>(i)]) {
            if (item.kind == PrintItem::Kind::Text) {
                painter.drawText(x, baseline, item.text);
                x += metrics.horizontalAdvance(item.text);
            } else {
                x = (x / zoneWidth + 1) * zoneWidth;  // always forward
            }
        }
    }
}
