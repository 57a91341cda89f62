#include "SystemInfoTool.h"

namespace dalto {

// Linux has no system-information tool of its own to start.
QString SystemInfoToolPath()
{
    return {};
}

} // namespace dalto
