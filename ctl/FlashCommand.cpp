// flash FILE.hex: the firmware loader on the command line. The file is checked
// whole before the device is touched.
#include "ConsoleOutput.h"
#include "ExitCodes.h"
#include "FlashProgress.h"
#include "Session.h"
#include "Subcommands.h"
#include "core/BusCode.h"
#include "firmware/FirmwareLoader.h"
#include "firmware/HexFile.h"

#include <unistd.h>

namespace dalto::ctl {

int RunFlash(const CtlOptions& options)
{
    const QString path = QString::fromStdString(options.file);
    const firmware::HexFile file = firmware::loadHexFile(path);
    if (!file.usable()) {
        const QString reason = file.error.isEmpty() ? QStringLiteral("not a firmware file") : file.error;
        PrintError(QStringLiteral("%1 refused: %2").arg(path, reason));
        return exitcode::UsageError;
    }
    Session session(options.connection);
    if (const int code = session.open(); code != exitcode::Success)
        return code;
    if (session.state().BusCode == bus::Simulated) {
        PrintError(QStringLiteral("firmware cannot be loaded in Simulated mode: name a bus"));
        return exitcode::UsageError;
    }
    FlashProgress progress(stdout, isatty(STDOUT_FILENO) == 1);
    firmware::FirmwareLoader loader(session.link(), progress);
    loader.run(path);
    return progress.ending() == firmware::LoaderStatus::Finished ? exitcode::Success : exitcode::DeviceError;
}

} // namespace dalto::ctl
