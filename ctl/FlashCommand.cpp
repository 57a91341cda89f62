// flash FILE.hex: the firmware loader on the command line. The file is checked
// whole, and the bus, before the device is touched.
#include "ConsoleOutput.h"
#include "ExitCodes.h"
#include "FlashProgress.h"
#include "InterruptWatch.h"
#include "Session.h"
#include "Subcommands.h"
#include "firmware/FirmwareLoader.h"
#include "firmware/HexFile.h"
#include "firmware/LoaderBus.h"

#include <unistd.h>

namespace dalto::ctl {

namespace {
const QString LeftInBootLoaderText = QStringLiteral(
    "interrupted: the supply is left in its boot loader and must be programmed again");
const QString InterruptedCheckText = QStringLiteral(
    "interrupted while checking the supply after its restart: the firmware was programmed");
} // namespace

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
    if (const int code = session.configure(); code != exitcode::Success)
        return code;
    if (const auto refusal = firmware::busRefusal(session.state().BusCode)) {
        PrintError(*refusal);
        return exitcode::UsageError;
    }
    if (const int code = session.connect(); code != exitcode::Success)
        return code;

    FlashProgress progress(stdout, isatty(STDOUT_FILENO) == 1);
    firmware::FirmwareLoader loader(session.link(), progress);
    // Ctrl-C ends the program's transfer as File > Exit does in the window: the
    // packet on the line is the last one.
    InterruptWatch interrupt([&session] { session.context().endProgram(); });
    loader.run(path);
    if (interrupt.interrupted()) {
        PrintError(loader.restarted() ? InterruptedCheckText : LeftInBootLoaderText);
        return exitcode::Interrupted;
    }
    // The state read after programming must have reached the supply, not the Simulated mode.
    if (progress.ending() != firmware::LoaderStatus::Finished || session.failed())
        return exitcode::DeviceError;
    return exitcode::Success;
}

} // namespace dalto::ctl
