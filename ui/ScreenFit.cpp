// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenFit.h"

#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

namespace ScreenFit {

namespace {

// Room the window manager's frame may take, which is unknown before the first
// show: a title bar above, thin borders around.
QSize frameAllowance(const QWidget *window)
{
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return QSize(0, 0);
    const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return QSize(8, title + 8);
}

QScrollArea *plainScrollArea(QWidget *parent, QWidget *content)
{
    auto *area = new QScrollArea(parent);
    area->setObjectName(QStringLiteral("ScreenFitScrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(false);
    area->setWidget(content);
    return area;
}

// Moves the window's own children onto one content widget of the window's
// size, in their stacking order, and shows that in a scroll area.
void scrollContent(QWidget *window, const QSize &natural, const QSize &fitted)
{
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        QWidget *client = main->takeCentralWidget();
        main->setCentralWidget(plainScrollArea(main, client));
        main->setFixedSize(fitted);
        return;
    }
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("ScreenFitContent"));
    content->setFixedSize(natural);
    content->setPalette(window->palette());
    content->setAutoFillBackground(window->autoFillBackground());
    const QObjectList children = window->children();
    for (QObject *child : children) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow())
            continue;
        const QRect geometry = widget->geometry();
        const bool hidden = widget->isHidden();
        widget->setParent(content);
        widget->setGeometry(geometry);
        widget->setHidden(hidden);
    }
    window->setFixedSize(fitted);
    plainScrollArea(window, content)->setGeometry(QRect(QPoint(0, 0), fitted));
}

// The available area in whole logical pixels that lie on the screen. A scale
// that does not divide the screen's pixels rounds the area, up as often as
// down, so its last column and row may reach one pixel past the screen.
QRect wholePixelArea(const QScreen *screen)
{
    QRect available = screen->availableGeometry();
    if (!qFuzzyCompare(screen->devicePixelRatio(), 1.0))
        available.adjust(0, 0, -1, -1);
    return available;
}

}  // namespace

void fit(QWidget *window, Placement placement)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect available = wholePixelArea(screen);
    const QSize natural = window->size();
    const QSize room = available.size() - frameAllowance(window);
    const bool fits = natural.width() <= room.width() && natural.height() <= room.height();
    if (!fits)
        scrollContent(window, natural, natural.boundedTo(room));
    if (placement == Placement::Centred || !fits) {
        // A window's position is its frame's, so the frame is centred with it.
        const QSize framed = window->size() + frameAllowance(window);
        QPoint topLeft = available.center() - QRect(QPoint(0, 0), framed).center();
        topLeft.setX(std::max(topLeft.x(), available.left()));
        topLeft.setY(std::max(topLeft.y(), available.top()));
        window->move(topLeft);
    }
}

}  // namespace ScreenFit
