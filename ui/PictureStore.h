#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

// The answer pictures by Picture number 1..400; number 0 is the empty picture.
// Each is decoded on first use, so start-up pays only for the first question.
class PictureStore {
public:
    static constexpr int kPictureCount = 400;

    QPixmap picture(int number);
    // What the picture shows, in words; empty for the empty picture.
    QString description(int number);

private:
    QHash<int, QPixmap> m_pictures;
    QHash<int, QString> m_descriptions;
};
