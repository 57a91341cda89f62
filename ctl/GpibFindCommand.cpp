// gpib-find: the listeners on the GPIB bus and what each says to "*IDN?".
#include "ConsoleOutput.h"
#include "ExitCodes.h"
#include "Session.h"
#include "Subcommands.h"
#include "link/LinkFault.h"
#include "link/gpib/GpibLayer.h"
#include "setup/GpibSearch.h"

namespace dalto::ctl {

int RunGpibFind(const CtlOptions& options)
{
    Session session(options.connection);
    if (const int code = session.configure(); code != exitcode::Success)
        return code;
    // The search skips what the driver cannot do; a missing driver would then
    // look like an empty bus.
    try {
        session.link().gpib().GpibOpen();
    } catch (const LinkFault& fault) {
        PrintError(QStringLiteral("GPIB: ") + fault.description);
        return exitcode::DeviceError;
    }
    const std::vector<GpibListing> found = SearchGpibBus(session.link().gpib(), session.state());
    for (const GpibListing& listing : found)
        PrintLine(QStringLiteral("%1\t%2").arg(listing.address).arg(listing.identification));
    if (found.empty()) {
        PrintError(QStringLiteral("no listener on the GPIB bus"));
        return exitcode::DeviceError;
    }
    return session.exitCode();
}

} // namespace dalto::ctl
