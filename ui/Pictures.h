#pragma once

#include <QPixmap>
#include <QString>

// The pictures drawn at build time and embedded in the program.
namespace Pictures {

// A picture by its file name ("icon.gif", "p045.gif"); null when there is none.
QPixmap named(const QString &fileName);
// The resource path of an embedded file.
QString path(const QString &fileName);

// A picture of pictures.cards drawn from its source at the given pixel ratio,
// so it stays crisp on dense screens; null when there is none.
QPixmap drawn(const QString &name, qreal devicePixelRatio);

}  // namespace Pictures
