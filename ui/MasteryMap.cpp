// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MasteryMap.h"

#include "QuestionBank.h"

#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int kQuestions = QuestionBank::kQuestionTotal;
constexpr int kColumns = 10;

QColor blend(const QColor &from, const QColor &to, double t)
{
    const auto mix = [t](float a, float b) { return static_cast<float>(a + (b - a) * t); };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()), mix(from.blueF(), to.blueF()));
}

}  // namespace

MasteryMap::MasteryMap(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Mastery of each question"));
    auto *grid = new QGridLayout(this);
    grid->setSpacing(2);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int q = 1; q <= kQuestions; ++q) {
        auto *cell = new QLabel(QString::number(q), this);
        cell->setTextFormat(Qt::PlainText);
        cell->setAlignment(Qt::AlignCenter);
        cell->setAutoFillBackground(true);
        cell->setMinimumSize(34, 24);
        cell->setFocusPolicy(Qt::TabFocus);  // a keyboard player can walk the cells and hear each
        grid->addWidget(cell, (q - 1) / kColumns, (q - 1) % kColumns);
        m_cells.push_back(cell);
    }
}

QColor MasteryMap::colourFor(std::optional<double> average)
{
    if (!average)
        return QColor(214, 214, 214);
    const QColor red(226, 88, 76), amber(240, 196, 70), green(86, 178, 96);
    const double t = std::clamp(*average / 100.0, 0.0, 1.0);
    return t < 0.5 ? blend(red, amber, t * 2) : blend(amber, green, (t - 0.5) * 2);
}

void MasteryMap::setMastery(const std::vector<QuestionMastery> &mastery, const QStringList &terms)
{
    std::vector<std::optional<QuestionMastery>> byQuestion(kQuestions + 1);
    for (const QuestionMastery &m : mastery) {
        if (m.question >= 1 && m.question <= kQuestions)
            byQuestion[m.question] = m;
    }
    for (int q = 1; q <= kQuestions; ++q) {
        QLabel *cell = m_cells[q - 1];
        const std::optional<QuestionMastery> &m = byQuestion[q];
        QPalette palette = cell->palette();
        palette.setColor(QPalette::Window, colourFor(m ? std::optional<double>(m->average) : std::nullopt));
        palette.setColor(QPalette::WindowText, Qt::black);
        cell->setPalette(palette);
        const QString term = q < terms.size() ? terms[q] : QString();
        const QString text = m ? QStringLiteral("%1 %2: %3 % over the last %4 %5")
                                     .arg(q)
                                     .arg(term)
                                     .arg(qRound(m->average))
                                     .arg(m->tries)
                                     .arg(m->tries == 1 ? QStringLiteral("try") : QStringLiteral("tries"))
                               : QStringLiteral("%1 %2: never asked").arg(q).arg(term);
        cell->setToolTip(text.toHtmlEscaped());  // a term or a name is never taken as markup
        cell->setAccessibleName(text);
    }
}

QColor MasteryMap::cellColour(int question) const
{
    return m_cells.at(question - 1)->palette().color(QPalette::Window);
}

QString MasteryMap::cellText(int question) const
{
    return m_cells.at(question - 1)->accessibleName();
}
