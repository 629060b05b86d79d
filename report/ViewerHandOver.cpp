#include "ViewerHandOver.h"

#include <QDir>
#include <QProcess>

namespace ViewerHandOver {

bool open(const QString &bareFileName)
{
    return QProcess::startDetached(QStringLiteral("xdg-open"), {bareFileName}, QDir::currentPath());
}

}  // namespace ViewerHandOver
