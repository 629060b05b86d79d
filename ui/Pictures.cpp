#include "Pictures.h"

#include <QtGlobal>

static void initialiseAssets()
{
    Q_INIT_RESOURCE(vexlor_assets);
}

namespace Pictures {

QString path(const QString &fileName)
{
    static const bool ready = (initialiseAssets(), true);
    Q_UNUSED(ready);
    return QStringLiteral(":/assets/") + fileName;
}

QPixmap named(const QString &fileName)
{
    return QPixmap(path(fileName));
}

}  // namespace Pictures
