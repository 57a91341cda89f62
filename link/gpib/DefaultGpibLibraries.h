#pragma once
// The NI-488.2-compatible libraries this platform's GPIB drivers install,
// the preferred one first.

#include <QStringList>

namespace dalto {

QStringList DefaultGpibLibraries();

} // namespace dalto
