#include "LinkBackends.h"

#include "QtSerialLine.h"
#include "QtStreamSocket.h"
#include "core/AppContext.h"
#include "link/gpib/NiGpibDriver.h"

namespace dalto {

std::unique_ptr<LinkBackends> realLinkBackends(AppContext& context)
{
    auto backends = std::make_unique<LinkBackends>();
    backends->serialLine = std::make_unique<QtSerialLine>(context.paths.configFile());
    backends->socket = std::make_unique<QtStreamSocket>();
    backends->gpibDriver = std::make_unique<NiGpibDriver>();
    return backends;
}

} // namespace dalto
