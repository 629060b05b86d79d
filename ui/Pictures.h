#pragma once

#include <QPixmap>
#include <QString>

// The pictures drawn at build time and embedded in the program.
namespace Pictures {

// A picture by its file name ("icon.gif", "p045.gif"); null when there is none.
QPixmap named(const QString &fileName);
// The resource path of an embedded file.
QString path(const QString &fileName);

}  // namespace Pictures
