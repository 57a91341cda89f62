#include "PerUserFolder.h"

#include <QDir>

namespace dalto {

// The roaming application data folder, as Windows programs keep their settings.
QString PerUserSettingsFolder()
{
    QString base = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/AppData/Roaming");
    return base + QStringLiteral("/Dalto Panel");
}

} // namespace dalto
