// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuestionBank.h"

#include <QHash>
#include <QPixmap>
#include <QString>

#include <utility>

// The answer pictures by Picture number, four a question; number 0 is the empty picture.
// At pixel ratio 1 they are the embedded GIF89a cards; on denser screens each
// card is drawn from its source at the screen's ratio, so it stays crisp.
// Every picture is made on first use, so start-up pays only for the first question.
class PictureStore {
public:
    static constexpr int kPictureCount = 4 * QuestionBank::kQuestionTotal;

    QPixmap picture(int number, qreal devicePixelRatio = 1.0);
    // What the picture shows, in words; empty for the empty picture.
    QString description(int number);

private:
    static QPixmap drawnFromSource(int number, qreal devicePixelRatio);

    QHash<std::pair<int, qreal>, QPixmap> m_pictures;
    QHash<int, QString> m_descriptions;
};
