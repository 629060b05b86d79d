// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardVerb.h"

#include <array>
#include <iterator>

namespace {

using enum Verb;

constexpr std::array kVerbs{
    VerbInfo{Height, u"height", 1, 1, 0, 0, VerbMark::None, false},
    VerbInfo{Colours, u"colours", 1, 1, 0, 0, VerbMark::None, false},
    VerbInfo{Ground, u"ground", 3, 3, 0, 0, VerbMark::None, false},
    VerbInfo{Also, u"also", 1, 16, 0, 0, VerbMark::None, false},
    VerbInfo{Square, u"square", 0, 0, 0, 0, VerbMark::None, false},
    VerbInfo{Ink, u"ink", 0, 3, 0, 1, VerbMark::None, false},
    VerbInfo{Pen, u"pen", 1, 1, 0, 0, VerbMark::None, false},
    VerbInfo{Text, u"text", 3, 3, 1, 2, VerbMark::Own, false},
    VerbInfo{Note, u"note", 3, 3, 1, 2, VerbMark::Own, false},
    VerbInfo{Line, u"line", 4, 4, 0, 0, VerbMark::Stroke, true},
    VerbInfo{Dashed, u"dashed", 4, 4, 0, 0, VerbMark::Stroke, true},
    VerbInfo{Arrow, u"arrow", 4, 4, 0, 1, VerbMark::Stroke, true},
    VerbInfo{Dimension, u"dimension", 4, 4, 0, 0, VerbMark::Stroke, true},
    VerbInfo{Polyline, u"polyline", 4, -1, 0, 0, VerbMark::Stroke, true},
    VerbInfo{Polygon, u"polygon", 6, -1, 0, 0, VerbMark::Stroke, false},
    VerbInfo{Fill, u"fill", 6, -1, 0, 0, VerbMark::Fill, false},
    VerbInfo{Rect, u"rect", 4, 4, 0, 0, VerbMark::Stroke, false},
    VerbInfo{Circle, u"circle", 3, 3, 0, 0, VerbMark::Stroke, false},
    VerbInfo{Disc, u"disc", 3, 3, 0, 0, VerbMark::Fill, false},
    VerbInfo{Arc, u"arc", 5, 5, 0, 0, VerbMark::Stroke, false},
    VerbInfo{Beam, u"beam", 4, 4, 0, 0, VerbMark::Stroke, false},
    VerbInfo{Hinge, u"hinge", 2, 2, 0, 0, VerbMark::Stroke, false},
    VerbInfo{Roller, u"roller", 2, 2, 0, 0, VerbMark::Stroke, false},
    VerbInfo{Fixed, u"fixed", 2, 2, 1, 1, VerbMark::Stroke, false},
    VerbInfo{Pin, u"pin", 2, 2, 0, 0, VerbMark::Stroke, false},
    VerbInfo{Moment, u"moment", 3, 3, 1, 1, VerbMark::Stroke, false},
    VerbInfo{Spring, u"spring", 4, 5, 0, 0, VerbMark::Stroke, false},
    VerbInfo{Udl, u"udl", 4, 4, 0, 0, VerbMark::Stroke, false},
    VerbInfo{Axes, u"axes", 8, 8, 0, 0, VerbMark::Stroke, false},
    VerbInfo{Plot, u"plot", 0, 2, 1, 1, VerbMark::Stroke, false},
    VerbInfo{Vline, u"vline", 1, 1, 0, 0, VerbMark::Stroke, false},
    VerbInfo{Hline, u"hline", 1, 1, 0, 0, VerbMark::Stroke, false},
    VerbInfo{Grid, u"grid", 1, 1, 0, 0, VerbMark::Stroke, false},
};

// Every verb has its own row, in the order of the enumeration.
constexpr bool inOrder()
{
    for (std::size_t i = 0; i < kVerbs.size(); ++i) {
        if (static_cast<std::size_t>(kVerbs[i].verb) != i)
            return false;
    }
    return kVerbs.size() == static_cast<std::size_t>(Grid) + 1;
}
static_assert(inOrder());

}  // namespace

const VerbInfo *findVerb(const QString &name)
{
    for (const VerbInfo &info : kVerbs) {
        if (name == QStringView(info.name))
            return &info;
    }
    return nullptr;
}

const VerbInfo &verbInfo(Verb verb)
{
    return kVerbs[static_cast<std::size_t>(verb)];
}
