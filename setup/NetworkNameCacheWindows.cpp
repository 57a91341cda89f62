#include "NetworkNameCache.h"

#include <QProcess>
#include <QStringList>
#include <windows.h>

namespace dalto {

// "nbtstat -R" empties the NetBIOS name cache; it runs without a console window.
void ClearNetworkNameCache()
{
    QProcess nbtstat;
    nbtstat.setProgram(QStringLiteral("nbtstat"));
    nbtstat.setArguments({QStringLiteral("-R")});
    nbtstat.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
        arguments->flags |= CREATE_NO_WINDOW;
    });
    nbtstat.startDetached();
}

} // namespace dalto
