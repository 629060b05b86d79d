// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CardVerb.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

// One drawing command of a card source, as written: its verb, its numbers and
// its words (quoted texts and bare names), with the line it came from.
struct CardCommand {
    Verb verb = Verb::Line;
    std::vector<double> numbers;
    QStringList words;
    int line = 0;
};

// One picture described in a source file: an answer card of a question, or a
// named picture (splash samples, icon, window picture).
struct CardSource {
    QString name;         // "q012-3" for cards, the picture's own name otherwise
    QString description;  // what it shows, in neutral words
    bool odd = false;     // marked as the odd answer of its question
    bool answer = false;  // an answer card, shown on a tile
    QSize canvas{147, 132};
    int frameHeight = 129;
    int colours = 32;
    bool rounded = true;  // a card with rounded corners on a transparent ground
    QColor ground{255, 255, 160};
    std::vector<int> extraSizes;  // further square renders (icons), as PNG
    std::vector<CardCommand> commands;
    QString file;
    int line = 0;
};

struct CardFile {
    QString path;
    int question = 0;  // 0 for a file of named pictures
    std::vector<CardSource> pictures;
};

// A mistake in a source, reported as "file:line: message".
class CardSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a source text; throws CardSourceError naming file and line.
CardFile parseCardSource(const QString &path, const QString &text);
CardFile readCardFile(const QString &path);
