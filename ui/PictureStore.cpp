// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureStore.h"

#include "Pictures.h"

#include <QFile>

QPixmap PictureStore::picture(int number, qreal devicePixelRatio)
{
    if (number < 1 || number > kPictureCount)
        return QPixmap();
    const std::pair key(number, devicePixelRatio);
    auto found = m_pictures.constFind(key);
    if (found == m_pictures.constEnd()) {
        QPixmap picture = devicePixelRatio > 1.0 ? drawnFromSource(number, devicePixelRatio) : QPixmap();
        if (picture.isNull())
            picture = Pictures::named(QStringLiteral("p%1.gif").arg(number, 3, 10, QChar(u'0')));
        found = m_pictures.insert(key, picture);
    }
    return *found;
}

QPixmap PictureStore::drawnFromSource(int number, qreal devicePixelRatio)
{
    const QString question = QStringLiteral("q%1").arg((number - 1) / 4 + 1, 3, 10, QChar(u'0'));
    const QString card = QStringLiteral("%1-%2").arg(question).arg((number - 1) % 4 + 1);
    return Pictures::drawn(QStringLiteral("cards/%1.cards").arg(question), card, devicePixelRatio);
}

QString PictureStore::description(int number)
{
    if (m_descriptions.isEmpty()) {
        // One line per card: its Picture number, a tab, its description.
        QFile list(Pictures::path(QStringLiteral("descriptions.tsv")));
        if (list.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : list.readAll().split('\n')) {
                const qsizetype tab = line.indexOf('\t');
                if (tab > 0)
                    m_descriptions.insert(line.left(tab).toInt(), QString::fromUtf8(line.mid(tab + 1)));
            }
        }
    }
    return m_descriptions.value(number);
}
