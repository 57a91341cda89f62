#include "SystemInfoTool.h"

#include <QFileInfo>
#include <QSettings>

namespace dalto {

// MSINFO32 registers its path; older systems register only its folder.
QString SystemInfoToolPath()
{
    const QSettings tools(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                          QSettings::NativeFormat);
    const QString path = tools.value(QStringLiteral("PATH")).toString();
    if (!path.isEmpty())
        return path;
    const QSettings location(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location"),
                             QSettings::NativeFormat);
    const QString folder = location.value(QStringLiteral("MSINFO")).toString();
    const QString candidate = folder + QStringLiteral("\\MSINFO32.EXE");
    return !folder.isEmpty() && QFileInfo::exists(candidate) ? candidate : QString();
}

} // namespace dalto
