#include "DefaultGpibLibraries.h"

namespace dalto {

QStringList DefaultGpibLibraries()
{
    return {QStringLiteral("libgpib.so.0")}; // linux-gpib
}

} // namespace dalto
