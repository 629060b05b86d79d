#include "PictureStore.h"

#include "Pictures.h"

#include <QFile>

QPixmap PictureStore::picture(int number)
{
    if (number < 1 || number > kPictureCount)
        return QPixmap();
    auto found = m_pictures.constFind(number);
    if (found == m_pictures.constEnd())
        found = m_pictures.insert(number, Pictures::named(QStringLiteral("p%1.gif").arg(number, 3, 10, QChar(u'0'))));
    return *found;
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
