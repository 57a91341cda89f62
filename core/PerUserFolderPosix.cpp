#include "PerUserFolder.h"

#include <QStandardPaths>

namespace dalto {

QString PerUserSettingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/dalto-panel");
}

} // namespace dalto
