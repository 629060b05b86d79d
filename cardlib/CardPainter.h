// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CardMarks.h"
#include "CardSource.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <vector>

// Draws a picture from its source. The image has the picture's canvas size times
// the scale; what lies below the frame height stays transparent.
QImage paintCard(const CardSource &source, double scale = 1.0);
// Draws a picture onto a painter at its present transform, within its present clip.
void paintCard(QPainter &painter, const CardSource &source);

// The marks of a picture, each painted alone at the scale, for checking.
std::vector<Mark> marksOf(const CardSource &source, double scale);

// The inks a picture draws with, in order of first use; red is the starting ink.
std::vector<QColor> inksOf(const CardSource &source);
