#include "PlatformConventions.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace dalto {

QString PerUserSettingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/dalto-panel");
}

QString DefaultSerialPortPath(int portNumber)
{
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
}

QString PickedPath(const QString& chosen)
{
    // Lower-casing a path on a case-sensitive file system would name another file.
    return chosen;
}

bool CanCreateFilesIn(const QString& folder)
{
    return QFileInfo(folder).isWritable();
}

} // namespace dalto
