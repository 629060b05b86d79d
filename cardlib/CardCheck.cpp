// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardCheck.h"
#include "CardPainter.h"

#include <QLineF>
#include <QRect>

#include <vector>

namespace {

// Glyphs smaller than this many pixels (superscripts and subscripts included)
// blur into blots on a card of 147 x 132.
constexpr int kSmallestGlyphPixels = 10;
// Ground an arrowhead keeps free around it, in card pixels.
constexpr double kClearance = 2;
// Ground a text keeps free around it: a label read as part of a mark beside it
// (an index on an arrowhead, a fraction bar on "=") misleads.
constexpr double kLabelClearance = 4;
// Ground kept free inside the edges of what shows of a picture.
constexpr int kMargin = 4;
// What a raised tile shows of an answer card: its border, drawn inside the
// tile, takes the card's last column and every row from 125 down.
constexpr QSize kShownOnTile(146, 125);
// Around its tip an arrowhead may touch what the arrow acts on.
constexpr double kTipReach = 3;
// A line ending this close to an arrow's tip joins the arrow there.
constexpr double kJoin = 1.5;
// Marks are compared at this multiple of the card's size, for sub-pixel geometry.
constexpr int kScale = 2;

// A set of pixels of the layers (at least half covered).
struct Pixels {
    int width = 0, height = 0;
    std::vector<quint8> set;

    Pixels(int w, int h) : width(w), height(h), set(static_cast<std::size_t>(w * h), 0) {}
    bool has(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height && set[index(x, y)];
    }
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * width + x); }
};

// What one mark inks, and what of it stays in sight after the marks drawn later.
struct Ink {
    Pixels drawn;
    Pixels seen;
    std::vector<QPoint> seenPoints;
    QRect seenBounds;

    explicit Ink(const QImage &layer) : drawn(layer.width(), layer.height()), seen(drawn)
    {
        for (int y = 0; y < layer.height(); ++y) {
            const uchar *row = layer.constScanLine(y);
            for (int x = 0; x < layer.width(); ++x)
                drawn.set[drawn.index(x, y)] = row[x] >= 128;
        }
    }
    void hideUnder(const Pixels &cover)
    {
        for (int y = 0; y < drawn.height; ++y) {
            for (int x = 0; x < drawn.width; ++x) {
                const std::size_t i = drawn.index(x, y);
                seen.set[i] = drawn.set[i] && !cover.set[i];
                if (seen.set[i]) {
                    seenPoints.emplace_back(x, y);
                    seenBounds |= QRect(x, y, 1, 1);
                }
            }
        }
    }
};

bool nearTip(const Mark &mark, QPoint p)
{
    if (mark.kind != MarkKind::Head)
        return false;
    const double dx = p.x() + 0.5 - mark.tip.x() * kScale, dy = p.y() + 0.5 - mark.tip.y() * kScale;
    return dx * dx + dy * dy <= kTipReach * kTipReach * kScale * kScale;
}

// A text written on a filled shape stands on it as on its own ground.
bool standsOn(const Mark &text, const Ink &textInk, const Mark &shape, const Ink &shapeInk)
{
    if (text.kind != MarkKind::Text || shape.kind != MarkKind::Fill)
        return false;
    for (std::size_t i = 0; i < textInk.drawn.set.size(); ++i) {
        if (textInk.drawn.set[i] && !shapeInk.drawn.set[i])
            return false;
    }
    return true;
}

// Vectors drawn tip to tail, or construction lines closing at a tip: the line
// meets the head where it is meant to.
bool joins(const Mark &head, const Mark &line)
{
    if (head.kind != MarkKind::Head)
        return false;  // heads have no ends: two heads never join
    for (const QPointF &end : line.ends) {
        if (QLineF(end, head.tip).length() <= kJoin)
            return true;
    }
    return false;
}

// Whether the seen ink of a comes within the clearance of the seen ink of b,
// away from their tips.
bool touches(const Mark &a, const Ink &inkA, const Mark &b, const Ink &inkB)
{
    const bool label = a.kind == MarkKind::Text || b.kind == MarkKind::Text;
    const int reach = static_cast<int>((label ? kLabelClearance : kClearance) * kScale);
    const QRect near = inkB.seenBounds.adjusted(-reach, -reach, reach, reach);
    if (inkA.seenBounds.isNull() || inkB.seenBounds.isNull() || !near.intersects(inkA.seenBounds))
        return false;
    for (const QPoint &p : inkA.seenPoints) {
        if (!near.contains(p) || (!label && nearTip(a, p)))
            continue;
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                const QPoint q(p.x() + dx, p.y() + dy);
                if (dx * dx + dy * dy <= reach * reach && inkB.seen.has(q.x(), q.y()) && (label || !nearTip(b, q)))
                    return true;
            }
        }
    }
    return false;
}

QString describe(const CardSource &source, const Mark &mark)
{
    if (mark.kind == MarkKind::Text)
        return QStringLiteral("the text \"%1\"").arg(source.commands[static_cast<std::size_t>(mark.command)].words[0]);
    if (mark.kind == MarkKind::Head)
        return QStringLiteral("the head of the %1").arg(QStringView(verbInfo(mark.verb).name));
    return QStringLiteral("the %1").arg(QStringView(verbInfo(mark.verb).name));
}

}  // namespace

QStringList checkCard(const CardSource &source)
{
    QStringList faults;
    if (source.canvas != QSize(147, 132))
        return faults;
    auto fault = [&](int line, const QString &message) {
        faults << QStringLiteral("%1:%2: %3").arg(source.file).arg(line).arg(message);
    };
    const std::vector<Mark> marks = marksOf(source, kScale);
    std::vector<Ink> inks;
    inks.reserve(marks.size());
    for (const Mark &mark : marks) {
        inks.emplace_back(mark.layer);
        if (mark.kind == MarkKind::Text && mark.glyphPixels > 0 && mark.glyphPixels < kSmallestGlyphPixels)
            fault(mark.line, QStringLiteral("%1 has glyphs of %2 px, below the smallest readable %3 px")
                                 .arg(describe(source, mark)).arg(mark.glyphPixels).arg(kSmallestGlyphPixels));
        if (!mark.missing.isEmpty())
            fault(mark.line, QStringLiteral("%1 has characters the card face lacks: %2")
                                 .arg(describe(source, mark), mark.missing));
    }
    // What is drawn later covers what lies under it.
    if (!marks.empty()) {
        Pixels cover(marks.front().layer.width(), marks.front().layer.height());
        for (std::size_t i = marks.size(); i-- > 0;) {
            inks[i].hideUnder(cover);
            for (std::size_t k = 0; k < cover.set.size(); ++k)
                cover.set[k] |= inks[i].drawn.set[k];
        }
    }
    const QSize shown = source.answer ? kShownOnTile : QSize(source.canvas.width(), source.frameHeight);
    const QRect inside = QRect(QPoint(0, 0), shown * kScale).adjusted(kMargin * kScale, kMargin * kScale,
                                                                     -kMargin * kScale, -kMargin * kScale);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (!inks[i].seenBounds.isNull() && !inside.contains(inks[i].seenBounds))
            fault(marks[i].line, QStringLiteral("%1 comes within %2 px of the edge of what shows of the %3")
                                     .arg(describe(source, marks[i])).arg(kMargin)
                                     .arg(source.answer ? QStringLiteral("card on a raised tile") : QStringLiteral("picture")));
    }
    for (std::size_t j = 0; j < marks.size(); ++j) {
        for (std::size_t i = 0; i < j; ++i) {
            const Mark &a = marks[i], &b = marks[j];
            if (a.kind == MarkKind::Head && b.kind == MarkKind::Head && a.command != b.command
                && QLineF(a.tip, b.tip).length() < 2 * kTipReach + kClearance) {
                fault(b.line, QStringLiteral("the head of the %1 meets the head of the %2 of line %3")
                                  .arg(QStringView(verbInfo(b.verb).name), QStringView(verbInfo(a.verb).name)).arg(a.line));
                continue;
            }
            const bool checked = a.kind == MarkKind::Head || a.kind == MarkKind::Text || b.kind == MarkKind::Head
                                 || b.kind == MarkKind::Text;
            if (a.command == b.command || !checked || standsOn(a, inks[i], b, inks[j])
                || standsOn(b, inks[j], a, inks[i]) || joins(a, b) || joins(b, a))
                continue;
            if (touches(a, inks[i], b, inks[j]))
                fault(b.line, QStringLiteral("%1 touches %2 of line %3")
                                  .arg(describe(source, b), describe(source, a)).arg(a.line));
        }
    }
    return faults;
}
