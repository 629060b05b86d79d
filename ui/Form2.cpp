// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form2.h"

#include "AccessibleRoles.h"
#include "Contact.h"
#include "ControlFactory.h"
#include "KeptTextSurface.h"
#include "ProgramIdentity.h"
#include "RulesText.h"
#include "ScreenFit.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

using namespace ControlFactory;

namespace {

constexpr int kClientWidth = 7890;
constexpr int kClientHeight = 5790;
constexpr int kResultSurfaceHeight = 40000;  // twips; grows when the rows need more
constexpr int kScrollViewHeight = 5775;
const QColor kCream(255, 255, 192);
constexpr int kHelpRightMargin = 4;  // pixels kept free after the longest help line

// Around the rules: the version line before them, the request for comments after.
constexpr int kVersionIndent = 37;
const char *const kHelpClosingLines[] = {
    " ",
    " Please, if you find out any mistake or you have any comment about the",
    " program please send to me.",
    " Thank you.",
};

// The help's lines that carry text; three lines of two blanks follow them.
QStringList helpText()
{
    QStringList lines{QStringLiteral(" "),
                      QString(kVersionIndent, u' ') + QStringLiteral("Vexlor version ") +
                          QLatin1String(ProgramIdentity::kVersion),
                      QStringLiteral(" ")};
    lines += RulesText::helpLines();
    for (const char *line : kHelpClosingLines)
        lines += QString::fromUtf8(line);
    lines += QLatin1Char(' ') + Contact::line();
    return lines;
}

}  // namespace

// A dialog-type window, so the window manager keeps it over the game it belongs to
// (without a modal grab: the game goes on while it is open).
Form2::Form2(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("Form2"));
    AccessibleRoles::setRole(this, QAccessible::Window);  // named by its caption
    setGround(this, kCream);  // what shows beside the results table, as the own surface would
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));

    // From the bottom of the stack up: own surface, results surface, button, scroll bar.
    m_surface = new KeptTextSurface(this);
    m_surface->setObjectName(QStringLiteral("Form2Surface"));
    m_surface->setAccessibleName(QStringLiteral("Help"));
    m_surface->setGeometry(rect());
    m_surface->setFont(arial(12));
    setGround(m_surface, kCream);

    m_picture1 = new KeptTextSurface(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setAccessibleName(QStringLiteral("Results"));
    m_picture1->setGeometry(twipsRect(0, 0, 7695, kResultSurfaceHeight));
    m_picture1->setFont(dialogFont());
    m_picture1->installEventFilter(this);  // the wheel over the table scrolls it, as over its scroll bar
    setGround(m_picture1, kCream);

    m_command1 = button(this, {6720, 5280, 765, 435}, QStringLiteral("Close"), QColor(255, 255, 0), dialogFont());
    m_command1->setObjectName(QStringLiteral("Command1"));
    connect(m_command1, &QPushButton::clicked, this, &QWidget::hide);

    m_vscroll1 = new QScrollBar(Qt::Vertical, this);
    m_vscroll1->setObjectName(QStringLiteral("VScroll1"));
    m_vscroll1->setGeometry(twipsRect(7620, 0, 255, kScrollViewHeight));
    m_vscroll1->setSingleStep(300);
    m_vscroll1->setPageStep(6000);
    connect(m_vscroll1, &QScrollBar::valueChanged, this, &Form2::VScroll1_Change);
    connect(m_picture1, &KeptTextSurface::caretLineChanged, this, &Form2::showCaretLine);
    fitResultSurface();
    ScreenFit::fit(this, ScreenFit::Placement::System);
}

void Form2::mhelp()
{
    setWindowTitle(QStringLiteral("Vexlor - Help"));
    m_surface->clear();
    m_surface->show();
    show();
    m_picture1->hide();
    m_vscroll1->hide();
    const QStringList lines = helpText();
    for (const QString &line : lines)
        m_surface->print(line);
    for (int i = 0; i < 3; ++i)
        m_surface->print(QStringLiteral("  "));
    fitHelpText();
}

// The help's lines keep to the window's width and end above "Close"; a desktop
// without Arial's metrics gets a slightly smaller font where they would not.
void Form2::fitHelpText()
{
    const int linesWithText = static_cast<int>(helpText().size());
    m_surface->setFont(shrunkUntil(arial(12), [&](const QFont &font) {
        m_surface->setFont(font);
        const int textHeight = linesWithText * m_surface->fontMetrics().height();
        return m_surface->contentWidth() <= m_surface->width() - kHelpRightMargin && textHeight <= m_command1->y();
    }));
}

void Form2::mresult(const std::vector<PrintLine> &resultRows)
{
    // The table covers the own surface; hidden, its old help text is not read out.
    m_surface->hide();
    m_picture1->show();
    m_vscroll1->show();
    setWindowTitle(QStringLiteral("Vexlor - Result"));
    show();
    m_picture1->clear();
    m_picture1->print(QString(105, u'-'));
    m_picture1->print(QStringLiteral("Question No.") + QString(24, u' ') + QStringLiteral("Degree") + QString(14, u' ') +
                      QStringLiteral("in question of") + QString(22, u' '));
    m_picture1->print(QString(106, u'-'));
    for (const PrintLine &row : resultRows)
        m_picture1->print(row);
    fitResultSurface();
}

// The surface is 40000 twips tall, or taller when its rows need it; the scroll
// bar counts in twips and its value is how far the surface is moved up. It
// scrolls until the last row is in view, or as far as it already was.
void Form2::fitResultSurface()
{
    const int needed = m_picture1->contentHeight() * kTwipsPerPixel;
    const int height = std::max(kResultSurfaceHeight, needed);
    m_picture1->resize(m_picture1->width(), twipsToPixels(height));
    m_vscroll1->setRange(0, std::max({0, needed - kScrollViewHeight, m_vscroll1->value()}));
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picture1 && event->type() == QEvent::Wheel)
        return QCoreApplication::sendEvent(m_vscroll1, event);
    return QWidget::eventFilter(watched, event);
}

// The results line the caret moves to is scrolled into the view.
void Form2::showCaretLine(const QRect &line)
{
    const int top = -m_picture1->y();
    const int viewHeight = twipsToPixels(kScrollViewHeight);
    if (line.top() < top)
        m_vscroll1->setValue(line.top() * kTwipsPerPixel);
    else if (line.bottom() >= top + viewHeight)
        m_vscroll1->setValue((line.bottom() + 1 - viewHeight) * kTwipsPerPixel);
}

void Form2::VScroll1_Change(int value)
{
    m_picture1->move(0, -twipsToPixels(value));
}

void Form2::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_command1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
