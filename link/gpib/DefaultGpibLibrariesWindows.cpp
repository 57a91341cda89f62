#include "DefaultGpibLibraries.h"

namespace dalto {

QStringList DefaultGpibLibraries()
{
    // NI-488.2's own library, then the older name that NI and other vendors'
    // drivers still install for compatibility.
    return {QStringLiteral("ni4882.dll"), QStringLiteral("gpib-32.dll")};
}

} // namespace dalto
