#pragma once
// The system-information tool that About starts.

#include <QString>

namespace dalto {

// Where the tool is installed; empty where there is none.
QString SystemInfoToolPath();

} // namespace dalto
