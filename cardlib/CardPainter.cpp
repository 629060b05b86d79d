// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardPainter.h"
#include "CardFont.h"
#include "CardMarks.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

// How far the second head of a double arrow sits behind the tip.
constexpr double kDoubleHeadGap = 8;

const QHash<QString, QColor> &namedInks()
{
    static const QHash<QString, QColor> inks = {
        {QStringLiteral("red"), QColor(210, 0, 0)},     {QStringLiteral("blue"), QColor(0, 0, 200)},
        {QStringLiteral("black"), QColor(0, 0, 0)},     {QStringLiteral("green"), QColor(0, 120, 0)},
        {QStringLiteral("grey"), QColor(128, 128, 128)}, {QStringLiteral("white"), QColor(255, 255, 255)},
    };
    return inks;
}

// The glyphs of a text on one baseline from 0, each at its designed advance
// (kerning included); the run ends at its own width.
QGlyphRun glyphRun(const QRawFont &face, const QString &text)
{
    const QList<quint32> indexes = face.glyphIndexesForString(text);
    const QList<QPointF> advances = face.advancesForGlyphIndexes(indexes, QRawFont::SeparateAdvances | QRawFont::KernedAdvances | QRawFont::UseDesignMetrics);
    QList<QPointF> positions;
    QPointF pen;
    for (const QPointF &step : advances) {
        positions << pen;
        pen += step;
    }
    positions << pen;  // where the next run starts
    QGlyphRun run;
    run.setRawFont(face);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions.mid(0, indexes.size()));
    run.setBoundingRect(QRectF(0, 0, pen.x(), 0));
    return run;
}

double advance(const QGlyphRun &run)
{
    return run.boundingRect().width();
}

using Function = std::function<double(double)>;

const QHash<QString, Function> &plotFunctions()
{
    static const QHash<QString, Function> functions = {
        {QStringLiteral("sin"), [](double x) { return std::sin(x); }},
        {QStringLiteral("cos"), [](double x) { return std::cos(x); }},
        {QStringLiteral("tan"), [](double x) { return std::tan(x); }},
        {QStringLiteral("sec"), [](double x) { return 1 / std::cos(x); }},
        {QStringLiteral("cosec"), [](double x) { return 1 / std::sin(x); }},
        {QStringLiteral("cot"), [](double x) { return std::cos(x) / std::sin(x); }},
        {QStringLiteral("sinh"), [](double x) { return std::sinh(x); }},
        {QStringLiteral("cosh"), [](double x) { return std::cosh(x); }},
        {QStringLiteral("tanh"), [](double x) { return std::tanh(x); }},
        {QStringLiteral("sech"), [](double x) { return 1 / std::cosh(x); }},
        {QStringLiteral("cosech"), [](double x) { return 1 / std::sinh(x); }},
        {QStringLiteral("coth"), [](double x) { return 1 / std::tanh(x); }},
        {QStringLiteral("exp"), [](double x) { return std::exp(x); }},
        {QStringLiteral("ln"), [](double x) { return std::log(x); }},
        {QStringLiteral("x"), [](double x) { return x; }},
        {QStringLiteral("x2"), [](double x) { return x * x; }},
        {QStringLiteral("x3"), [](double x) { return x * x * x; }},
        {QStringLiteral("sqrt"), [](double x) { return std::sqrt(x); }},
        {QStringLiteral("abs"), [](double x) { return std::fabs(x); }},
    };
    return functions;
}

// Paints the commands of one picture; coordinates are the picture's pixels.
class CardPainter {
public:
    // Draws onto the painter, or each mark onto a layer of its own when marks is given.
    CardPainter(QPainter *painter, const CardSource &source, CardMarks *marks)
        : m_out(painter), m_source(source), m_marks(marks)
    {
    }

    void paint();

private:
    [[noreturn]] void fail(const CardCommand &command, const QString &message) const
    {
        throw CardSourceError(
            QStringLiteral("%1:%2: %3").arg(m_source.file).arg(command.line).arg(message).toStdString());
    }
    // Starts a new mark of the current command: the next drawing goes to its own
    // layer when marks are collected, else straight onto the picture.
    void begin(MarkKind kind, QPointF tip = {}, int glyphPixels = 0);
    QPointF at(const CardCommand &c, int i) const { return {c.numbers[i], c.numbers[i + 1]}; }
    void setPen(qreal width, Qt::PenStyle style = Qt::SolidLine);
    void run(const CardCommand &c);
    void text(const CardCommand &c, bool bold);
    void arrow(const CardCommand &c);
    void path(const CardCommand &c);
    void grid(const CardCommand &c);
    void guideLine(const CardCommand &c, const VerbInfo &info);
    void arrowHead(QPointF from, QPointF tip);
    void support(const CardCommand &c);
    void moment(const CardCommand &c);
    void spring(const CardCommand &c);
    void distributedLoad(const CardCommand &c);
    void axes(const CardCommand &c);
    void plot(const CardCommand &c);
    QPointF toPlot(double x, double y) const;

    QPainter *m_out;  // where the current mark goes
    const CardSource &m_source;
    CardMarks *m_marks;
    const CardCommand *m_command = nullptr;
    int m_commandIndex = 0;
    QColor m_ink = namedInks().value(QStringLiteral("red"));
    qreal m_width = 1.5;
    // The current plot frame: its pixel rectangle and its data ranges.
    QRectF m_plotRect;
    double m_xMin = 0, m_xMax = 1, m_yMin = 0, m_yMax = 1;
    bool m_hasAxes = false;
};

void CardPainter::setPen(qreal width, Qt::PenStyle style)
{
    QPen pen(m_ink, width, style, Qt::RoundCap, Qt::RoundJoin);
    m_out->setPen(pen);
    m_out->setBrush(Qt::NoBrush);
}

void CardPainter::begin(MarkKind kind, QPointF tip, int glyphPixels)
{
    if (!m_marks)
        return;
    Mark mark;
    mark.kind = kind;
    mark.command = m_commandIndex;
    mark.line = m_command->line;
    mark.verb = m_command->verb;
    mark.tip = tip;
    mark.glyphPixels = glyphPixels;
    m_out = &m_marks->open(mark);
}

void CardPainter::paint()
{
    for (const CardCommand &command : m_source.commands) {
        m_command = &command;
        run(command);
        ++m_commandIndex;
    }
}

void CardPainter::run(const CardCommand &c)
{
    const VerbInfo &info = verbInfo(c.verb);
    if (info.mark == VerbMark::Fill)
        begin(MarkKind::Fill);
    else if (info.mark == VerbMark::Stroke)
        begin(MarkKind::Stroke);
    if (m_marks && info.openEnds)
        m_marks->setEnds({at(c, 0), at(c, static_cast<int>(c.numbers.size()) - 2)});
    switch (c.verb) {
    case Verb::Ink:
        if (c.numbers.size() == 3)
            m_ink = QColor(static_cast<int>(c.numbers[0]), static_cast<int>(c.numbers[1]),
                           static_cast<int>(c.numbers[2]));
        else if (!c.words.isEmpty() && namedInks().contains(c.words[0]))
            m_ink = namedInks().value(c.words[0]);
        else
            fail(c, QStringLiteral("ink takes a name (red, blue, black, green, grey, white) or R G B"));
        break;
    case Verb::Pen:
        m_width = c.numbers[0];
        break;
    case Verb::Text:
    case Verb::Note:
        text(c, c.verb == Verb::Text);
        break;
    case Verb::Line:
    case Verb::Dashed:
        setPen(m_width, c.verb == Verb::Line ? Qt::SolidLine : Qt::DashLine);
        m_out->drawLine(at(c, 0), at(c, 2));
        break;
    case Verb::Arrow:
        arrow(c);
        break;
    case Verb::Dimension:
        setPen(1);
        m_out->drawLine(at(c, 0), at(c, 2));
        arrowHead(at(c, 0), at(c, 2));
        arrowHead(at(c, 2), at(c, 0));
        break;
    case Verb::Polyline:
    case Verb::Polygon:
    case Verb::Fill:
        path(c);
        break;
    case Verb::Rect:
        setPen(m_width);
        m_out->drawRect(QRectF(c.numbers[0], c.numbers[1], c.numbers[2], c.numbers[3]));
        break;
    case Verb::Circle:
    case Verb::Disc:
        setPen(m_width);
        if (c.verb == Verb::Disc)
            m_out->setBrush(m_ink);
        m_out->drawEllipse(at(c, 0), c.numbers[2], c.numbers[2]);
        break;
    case Verb::Arc: {
        setPen(m_width);
        const double r = c.numbers[2];
        m_out->drawArc(QRectF(c.numbers[0] - r, c.numbers[1] - r, 2 * r, 2 * r),
                       static_cast<int>(std::lround(c.numbers[3] * 16)),
                       static_cast<int>(std::lround(c.numbers[4] * 16)));
        break;
    }
    case Verb::Beam: {
        setPen(4, Qt::SolidLine);
        QPen pen = m_out->pen();
        pen.setCapStyle(Qt::FlatCap);
        m_out->setPen(pen);
        m_out->drawLine(at(c, 0), at(c, 2));
        break;
    }
    case Verb::Hinge:
    case Verb::Roller:
    case Verb::Fixed:
    case Verb::Pin:
        support(c);
        break;
    case Verb::Moment:
        moment(c);
        break;
    case Verb::Spring:
        spring(c);
        break;
    case Verb::Udl:
        distributedLoad(c);
        break;
    case Verb::Axes:
        axes(c);
        break;
    case Verb::Plot:
        plot(c);
        break;
    case Verb::Vline:
    case Verb::Hline:
        guideLine(c, info);
        break;
    case Verb::Grid:
        grid(c);
        break;
    case Verb::Height:
    case Verb::Colours:
    case Verb::Ground:
    case Verb::Also:
    case Verb::Square:
        break;  // settings of the picture, taken by the reader
    }
}

void CardPainter::arrow(const CardCommand &c)
{
    if (!c.words.isEmpty() && c.words[0] != u"double")
        fail(c, QStringLiteral("an arrow takes only the word 'double'"));
    setPen(m_width);
    m_out->drawLine(at(c, 0), at(c, 2));
    arrowHead(at(c, 0), at(c, 2));
    if (!c.words.isEmpty()) {  // a couple as a vector: a second head behind the first
        const QLineF shaft(at(c, 2), at(c, 0));
        if (shaft.length() > kDoubleHeadGap)
            arrowHead(at(c, 0), shaft.pointAt(kDoubleHeadGap / shaft.length()));
    }
}

void CardPainter::path(const CardCommand &c)
{
    QPolygonF points;
    for (std::size_t i = 0; i + 1 < c.numbers.size(); i += 2)
        points << at(c, static_cast<int>(i));
    setPen(m_width);
    if (c.verb == Verb::Polyline) {
        m_out->drawPolyline(points);
        return;
    }
    if (c.verb == Verb::Fill)
        m_out->setBrush(m_ink);
    m_out->drawPolygon(points);
}

// A dashed line across the plot at one x (vline) or one y (hline).
void CardPainter::guideLine(const CardCommand &c, const VerbInfo &info)
{
    if (!m_hasAxes)
        fail(c, QStringLiteral("'%1' needs 'axes' first").arg(QStringView(info.name)));
    setPen(1, Qt::DashLine);
    if (c.verb == Verb::Vline)
        m_out->drawLine(toPlot(c.numbers[0], m_yMin), toPlot(c.numbers[0], m_yMax));
    else
        m_out->drawLine(toPlot(m_xMin, c.numbers[0]), toPlot(m_xMax, c.numbers[0]));
}

void CardPainter::grid(const CardCommand &c)
{
    setPen(m_width);
    const double step = c.numbers[0];
    if (step < 2)
        fail(c, QStringLiteral("grid step below 2"));
    const QSize size = m_source.canvas;
    for (double x = step; x < size.width(); x += step)
        m_out->drawLine(QPointF(x, 0), QPointF(x, size.height()));
    for (double y = step; y < size.height(); y += step)
        m_out->drawLine(QPointF(0, y), QPointF(size.width(), y));
}

// A text with ^{superscripts} and _{subscripts} (or ^x and _x for one character).
void CardPainter::text(const CardCommand &c, bool bold)
{
    struct Run {
        QString text;
        int shift;  // -1 subscript, 0 normal, 1 superscript
    };
    std::vector<Run> runs{{QString(), 0}};
    const QString &source = c.words[0];
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar ch = source[i];
        if ((ch == u'^' || ch == u'_') && i + 1 < source.size()) {
            const int shift = ch == u'^' ? 1 : -1;
            QString part;
            if (source[i + 1] == u'{') {
                const qsizetype close = source.indexOf(u'}', i + 2);
                if (close < 0)
                    fail(c, QStringLiteral("unclosed { in text"));
                part = source.mid(i + 2, close - i - 2);
                i = close;
            } else {
                part = source[i + 1];
                ++i;
            }
            runs.push_back({part, shift});
            runs.push_back({QString(), 0});
        } else {
            runs.back().text += ch;
        }
    }
    const int normalPixels = std::max(1, static_cast<int>(std::lround(c.numbers[2])));
    const int smallPixels = std::max(1, static_cast<int>(std::lround(c.numbers[2] * 0.65)));
    const QRawFont normal = CardFont::face(bold, normalPixels), small = CardFont::face(bold, smallPixels);
    int smallest = 0;  // pixel size of the smallest glyphs drawn
    QString missing;
    std::vector<QGlyphRun> glyphs;
    double width = 0;
    for (const Run &run : runs) {
        const QRawFont &face = run.shift == 0 ? normal : small;
        const int pixels = run.shift == 0 ? normalPixels : smallPixels;
        if (!run.text.isEmpty() && (smallest == 0 || pixels < smallest))
            smallest = pixels;
        missing += CardFont::missing(face, run.text);
        glyphs.push_back(glyphRun(face, run.text));
        width += advance(glyphs.back());
    }

    const QString align = c.words.size() > 1 ? c.words[1] : QStringLiteral("center");
    double x = c.numbers[0];
    if (align == u"center")
        x -= width / 2;
    else if (align == u"right")
        x -= width;
    else if (align != u"left")
        fail(c, QStringLiteral("alignment is left, center or right"));
    // The y coordinate is the middle of the capital letters.
    const double capHeight = normal.capHeight();
    const double baseline = c.numbers[1] + capHeight / 2;
    begin(MarkKind::Text, {}, smallest);
    if (m_marks)
        m_marks->setMissing(missing);
    m_out->setPen(m_ink);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const double raise = runs[i].shift > 0 ? 0.55 : runs[i].shift < 0 ? -0.35 : 0.0;
        m_out->drawGlyphRun(QPointF(x, baseline - raise * capHeight), glyphs[i]);
        x += advance(glyphs[i]);
    }
}

void CardPainter::arrowHead(QPointF from, QPointF tip)
{
    const QLineF shaft(tip, from);
    if (shaft.length() < 0.01)
        return;
    constexpr double kLength = 6, kHalfAngle = 25;
    QLineF side1 = QLineF::fromPolar(kLength, shaft.angle() + kHalfAngle).translated(tip);
    QLineF side2 = QLineF::fromPolar(kLength, shaft.angle() - kHalfAngle).translated(tip);
    begin(MarkKind::Head, tip);
    m_out->save();
    m_out->setPen(QPen(m_ink, 1));
    m_out->setBrush(m_ink);
    m_out->drawPolygon(QPolygonF{tip, side1.p2(), side2.p2()});
    m_out->restore();
}

// Supports drawn at the point of the beam they carry.
void CardPainter::support(const CardCommand &c)
{
    const QPointF p = at(c, 0);
    setPen(1.5);
    if (c.verb == Verb::Pin) {
        m_out->setBrush(m_source.ground);
        m_out->drawEllipse(p, 2.5, 2.5);
        return;
    }
    if (c.verb == Verb::Hinge || c.verb == Verb::Roller) {
        const QPolygonF triangle{p, p + QPointF(-7, 11), p + QPointF(7, 11)};
        m_out->drawPolygon(triangle);
        double groundY = p.y() + 11;
        if (c.verb == Verb::Roller) {
            m_out->drawEllipse(p + QPointF(-4, 13.5), 2.5, 2.5);
            m_out->drawEllipse(p + QPointF(4, 13.5), 2.5, 2.5);
            groundY += 5;
        }
        m_out->drawLine(QPointF(p.x() - 10, groundY), QPointF(p.x() + 10, groundY));
        setPen(1);
        for (double x = p.x() - 9; x <= p.x() + 7; x += 4)
            m_out->drawLine(QPointF(x + 3, groundY), QPointF(x, groundY + 4));
        return;
    }
    // fixed: a wall on the named side of the point, hatched away from the beam
    const QString side = c.words[0];
    QPointF along, away;
    if (side == u"left") {
        along = {0, 1};
        away = {-1, 0};
    } else if (side == u"right") {
        along = {0, 1};
        away = {1, 0};
    } else if (side == u"down") {
        along = {1, 0};
        away = {0, 1};
    } else if (side == u"up") {
        along = {1, 0};
        away = {0, -1};
    } else {
        fail(c, QStringLiteral("fixed takes left, right, up or down"));
    }
    setPen(2);
    m_out->drawLine(p - along * 12, p + along * 12);
    setPen(1);
    for (double s = -12; s < 12; s += 4)
        m_out->drawLine(p + along * s, p + along * (s + 4) + away * 5);
}

void CardPainter::moment(const CardCommand &c)
{
    const QPointF centre = at(c, 0);
    const double r = c.numbers[2];
    const bool clockwise = c.words[0] == u"cw";
    if (!clockwise && c.words[0] != u"ccw")
        fail(c, QStringLiteral("moment turns cw or ccw"));
    setPen(m_width);
    // An open circle of 270 degrees from the top, with the head where it turns to.
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    const double start = clockwise ? 135 : 45, span = clockwise ? -270 : 270;
    m_out->drawArc(box, static_cast<int>(start * 16), static_cast<int>(span * 16));
    const double endAngle = (start + span) * std::numbers::pi / 180;
    const QPointF tip = centre + QPointF(r * std::cos(endAngle), -r * std::sin(endAngle));
    const double tangent = endAngle + (clockwise ? -std::numbers::pi / 2 : std::numbers::pi / 2);
    arrowHead(tip - QPointF(std::cos(tangent), -std::sin(tangent)) * 5, tip);
}

void CardPainter::spring(const CardCommand &c)
{
    const QPointF a = at(c, 0), b = at(c, 2);
    const int coils = c.numbers.size() > 4 ? static_cast<int>(c.numbers[4]) : 6;
    const QLineF axis(a, b);
    const QPointF unit = (b - a) / std::max(axis.length(), 0.01);
    const QPointF normal(-unit.y(), unit.x());
    const double lead = axis.length() * 0.15;
    QPolygonF zigzag;
    zigzag << a << a + unit * lead;
    const double step = (axis.length() - 2 * lead) / (2 * coils);
    for (int i = 0; i < 2 * coils; ++i)
        zigzag << a + unit * (lead + step * (i + 0.5)) + normal * ((i % 2 == 0) ? 5.0 : -5.0);
    zigzag << b - unit * lead << b;
    setPen(m_width);
    m_out->drawPolyline(zigzag);
}

// A row of downward arrows from x1 to x2 ending on y, h high.
void CardPainter::distributedLoad(const CardCommand &c)
{
    const double x1 = c.numbers[0], x2 = c.numbers[1], y = c.numbers[2], h = c.numbers[3];
    setPen(1);
    m_out->drawLine(QPointF(x1, y - h), QPointF(x2, y - h));
    const int arrows = std::max(2, static_cast<int>((x2 - x1) / 10) + 1);
    for (int i = 0; i < arrows; ++i) {
        const double x = x1 + (x2 - x1) * i / (arrows - 1);
        begin(MarkKind::Stroke);
        setPen(1);
        m_out->drawLine(QPointF(x, y - h), QPointF(x, y));
        arrowHead(QPointF(x, y - h), QPointF(x, y));
    }
}

QPointF CardPainter::toPlot(double x, double y) const
{
    return {m_plotRect.left() + (x - m_xMin) / (m_xMax - m_xMin) * m_plotRect.width(),
            m_plotRect.bottom() - (y - m_yMin) / (m_yMax - m_yMin) * m_plotRect.height()};
}

void CardPainter::axes(const CardCommand &c)
{
    m_plotRect = QRectF(c.numbers[0], c.numbers[1], c.numbers[2], c.numbers[3]);
    m_xMin = c.numbers[4];
    m_xMax = c.numbers[5];
    m_yMin = c.numbers[6];
    m_yMax = c.numbers[7];
    if (m_xMax <= m_xMin || m_yMax <= m_yMin || m_plotRect.isEmpty())
        fail(c, QStringLiteral("axes need a frame and growing ranges"));
    m_hasAxes = true;
    setPen(1);
    const double x0 = std::clamp(0.0, m_xMin, m_xMax), y0 = std::clamp(0.0, m_yMin, m_yMax);
    const QPointF xFrom = toPlot(m_xMin, y0), xTo = toPlot(m_xMax, y0) + QPointF(4, 0);
    const QPointF yFrom = toPlot(x0, m_yMin), yTo = toPlot(x0, m_yMax) - QPointF(0, 4);
    m_out->drawLine(xFrom, xTo);
    arrowHead(xFrom, xTo);
    begin(MarkKind::Stroke);
    setPen(1);
    m_out->drawLine(yFrom, yTo);
    arrowHead(yFrom, yTo);
}

// The curve of a named function, computed point by point, broken where it leaves
// the frame or jumps (at an asymptote).
void CardPainter::plot(const CardCommand &c)
{
    if (!m_hasAxes)
        fail(c, QStringLiteral("'plot' needs 'axes' first"));
    const auto found = plotFunctions().constFind(c.words[0]);
    if (found == plotFunctions().constEnd())
        fail(c, QStringLiteral("unknown function '%1'").arg(c.words[0]));
    const Function &f = *found;
    const double from = c.numbers.size() == 2 ? c.numbers[0] : m_xMin;
    const double to = c.numbers.size() == 2 ? c.numbers[1] : m_xMax;
    setPen(m_width);
    m_out->save();
    m_out->setClipRect(m_plotRect.adjusted(-1, -1, 1, 1));
    const double range = m_yMax - m_yMin;
    constexpr int kSteps = 600;
    QPolygonF segment;
    double previous = std::nan("");
    for (int i = 0; i <= kSteps; ++i) {
        const double x = from + (to - from) * i / kSteps;
        const double y = f(x);
        const bool usable = std::isfinite(y) && std::fabs(y) < 1e6;
        const bool jump = usable && std::isfinite(previous) && std::fabs(y - previous) > range;
        if (!usable || jump) {
            if (segment.size() > 1)
                m_out->drawPolyline(segment);
            segment.clear();
        }
        if (usable)
            segment << toPlot(x, std::clamp(y, m_yMin - range, m_yMax + range));
        previous = usable ? y : std::nan("");
    }
    if (segment.size() > 1)
        m_out->drawPolyline(segment);
    m_out->restore();
}

}  // namespace

void paintCard(QPainter &painter, const CardSource &source)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF frame(0, 0, source.canvas.width(), source.frameHeight);
    painter.setClipRect(frame, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(source.ground);
    if (source.rounded)
        painter.drawRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
    else
        painter.drawRect(frame);
    CardPainter(&painter, source, nullptr).paint();
    painter.restore();
}

QImage paintCard(const CardSource &source, double scale)
{
    const QSize size(static_cast<int>(std::lround(source.canvas.width() * scale)),
                     static_cast<int>(std::lround(source.canvas.height() * scale)));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintCard(painter, source);
    painter.end();
    return image;
}

std::vector<Mark> marksOf(const CardSource &source, double scale)
{
    CardMarks marks(source.canvas, source.frameHeight, scale);
    CardPainter(nullptr, source, &marks).paint();
    return marks.take();
}

std::vector<QColor> inksOf(const CardSource &source)
{
    std::vector<QColor> inks;
    auto add = [&inks](const QColor &ink) {
        if (std::find(inks.begin(), inks.end(), ink) == inks.end())
            inks.push_back(ink);
    };
    bool drawsBeforeInk = false;
    for (const CardCommand &c : source.commands) {
        if (c.verb == Verb::Ink) {
            if (c.numbers.size() == 3)
                add(QColor(static_cast<int>(c.numbers[0]), static_cast<int>(c.numbers[1]),
                           static_cast<int>(c.numbers[2])));
            else if (!c.words.isEmpty() && namedInks().contains(c.words[0]))
                add(namedInks().value(c.words[0]));
        } else if (c.verb != Verb::Pen && inks.empty()) {
            drawsBeforeInk = true;
        }
    }
    if (drawsBeforeInk || inks.empty())
        inks.insert(inks.begin(), namedInks().value(QStringLiteral("red")));
    return inks;
}
