// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlFactory.h"

#include "PlainTextArea.h"
#include "Twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>

#include <limits>

namespace ControlFactory {

namespace {

// The font a box was built with, where every new text starts from.
constexpr char kDesignFont[] = "designFont";
// A label's text as given, and whether it shows cut short.
constexpr char kWholeText[] = "wholeText";
constexpr char kCut[] = "cutShort";
// Qt keeps two pixels between a line box's contents and its text; we keep
// three more, so a text never touches the box's edge.
constexpr int kLineTextMargin = 2 + 3;
constexpr int kAreaDocumentMargin = 2;

QRect toPixels(const QRect &twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

// Puts a new control at its place in twips with the font it was designed with,
// which the fitting shrinks from and comes back to.
template <typename Control>
Control *placed(Control *control, const QRect &twips, const QFont &font)
{
    control->setGeometry(toPixels(twips));
    control->setFont(font);
    control->setProperty(kDesignFont, font);
    return control;
}

void setTextColours(QWidget *widget, const QColor &text, const QColor &ground)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, ground);
    widget->setPalette(palette);
}

// Shows a label's text, on one line cut with "…" where it is wider than the
// room even at the smallest size; the whole text is then its tool tip and the
// name a screen reader reads.
void showWhole(QLabel *label, const QString &text, int width)
{
    const QFontMetrics metrics(label->font());
    const bool cut = !label->wordWrap() && metrics.horizontalAdvance(text) > width;
    label->setProperty(kWholeText, text);
    label->setText(cut ? metrics.elidedText(text, Qt::ElideRight, width) : text);
    if (cut || label->property(kCut).toBool()) {
        label->setToolTip(cut ? text : QString());
        label->setAccessibleName(cut ? text : QString());
    }
    label->setProperty(kCut, cut);
}

}  // namespace

QFont arial(double pointSize, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);  // without Arial or its metric twin, the desktop's sans-serif
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont dialogFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(8.25);
    return font;
}

void setGround(QWidget *widget, const QColor &ground)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ground);
    palette.setColor(QPalette::Button, ground);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString wholeText(const QLabel *label)
{
    const QVariant whole = label->property(kWholeText);
    return whole.isValid() ? whole.toString() : label->text();
}

void fitTogether(const std::vector<std::pair<QLabel *, QSize>> &labels)
{
    double size = std::numeric_limits<double>::max();
    for (const auto &[label, box] : labels) {
        const QString text = wholeText(label);
        const QFont fitted = shrunkUntil(label->font(), [&](const QFont &font) {
            const QFontMetrics metrics(font);
            if (!label->wordWrap())
                return metrics.horizontalAdvance(text) <= box.width();
            const QRect needed = metrics.boundingRect(QRect(QPoint(), box), Qt::TextWordWrap, text);
            return needed.height() <= box.height() && needed.width() <= box.width();
        });
        size = std::min(size, fitted.pointSizeF());
    }
    for (const auto &[label, box] : labels) {
        QFont font = label->font();
        font.setPointSizeF(size);
        label->setFont(font);
        showWhole(label, wholeText(label), box.width());
    }
}

void fitToBox(QLabel *label, const QSize &box)
{
    fitTogether({{label, box}});
}

void setFittedText(QLabel *label, const QString &text, const QSize &room)
{
    label->setFont(label->property(kDesignFont).value<QFont>());
    label->setProperty(kWholeText, text);
    fitToBox(label, room);
}

void setFittedText(QLineEdit *box, const QString &text)
{
    const int frame = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) : 0;
    const QRect contents =
        box->contentsRect().adjusted(frame, frame, -frame, -frame).marginsRemoved(box->textMargins());
    const QFont font = shrunkUntil(box->property(kDesignFont).value<QFont>(), [&](const QFont &candidate) {
        const QFontMetrics metrics(candidate);
        return metrics.horizontalAdvance(text) <= contents.width() - 2 * kLineTextMargin &&
               metrics.tightBoundingRect(text).height() <= contents.height();
    });
    box->setFont(font);
    const QFontMetrics metrics(font);
    const int width = contents.width() - 2 * kLineTextMargin;
    const bool cut = metrics.horizontalAdvance(text) > width;
    box->setText(cut ? metrics.elidedText(text, Qt::ElideRight, width) : text);
    box->setToolTip(cut ? text : QString());
}

void setFittedText(QTextEdit *area, const QString &text)
{
    const QSize room = area->contentsRect().size();  // the viewport once no scroll bar is needed
    QTextDocument trial;
    trial.setDocumentMargin(area->document()->documentMargin());
    trial.setDefaultTextOption(area->document()->defaultTextOption());
    trial.setPlainText(text);
    trial.setTextWidth(room.width());
    const QFont font = shrunkUntil(area->property(kDesignFont).value<QFont>(), [&](const QFont &candidate) {
        trial.setDefaultFont(candidate);
        return trial.size().height() <= room.height() && trial.idealWidth() <= room.width();
    });
    area->setFont(font);
    area->setPlainText(text);
}

QLabel *label(QWidget *parent, const QRect &twips, const QString &text, const QColor &colour, const QFont &font)
{
    auto *label = placed(new QLabel(text, parent), twips, font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);  // a typed name or any text not ours shows as typed, never as markup
    return label;
}

QLineEdit *lineBox(QWidget *parent, const QRect &twips, const QColor &text, const QColor &ground, const QFont &font,
                   Qt::Alignment alignment)
{
    auto *box = placed(new QLineEdit(parent), twips, font);
    box->setAlignment(alignment);
    setTextColours(box, text, ground);
    return box;
}

QTextEdit *textArea(QWidget *parent, const QRect &twips, const QColor &text, const QColor &ground, const QFont &font,
                    Qt::Alignment alignment)
{
    auto *area = placed(new PlainTextArea(parent), twips, font);
    area->setAcceptRichText(false);
    area->document()->setDocumentMargin(kAreaDocumentMargin);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);  // a formula longer than a line breaks at the edge
    area->document()->setDefaultTextOption(option);
    setTextColours(area, text, ground);
    return area;
}

QPushButton *button(QWidget *parent, const QRect &twips, const QString &text, const QColor &ground, const QFont &font)
{
    auto *button = new QPushButton(text, parent);
    button->setGeometry(toPixels(twips));
    button->setFont(font);
    setGround(button, ground);
    // The desktop style would shade the face as a gradient that hides its colour:
    // an even fill instead, darker while pressed, outlined while focused.
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid %2; border-radius: 3px; }"
                       "QPushButton:focus { border: 2px solid %3; }"
                       "QPushButton:pressed { background-color: %4; }")
            .arg(ground.name(), ground.darker(170).name(), ground.darker(300).name(), ground.darker(120).name()));
    return button;
}

}  // namespace ControlFactory
