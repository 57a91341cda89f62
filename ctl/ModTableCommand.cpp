// modtable save|load FILE: the Modulation panel's Populate + Save Table and its
// Load Table, with the file named on the command line instead of a dialog.
#include "ConsoleOutput.h"
#include "ExitCodes.h"
#include "Session.h"
#include "Subcommands.h"
#include "protocol/ModulationExchange.h"
#include "protocol/ModulationTableFile.h"

#include <QFileInfo>

namespace dalto::ctl {

namespace {

// What the panel's list holds after Populate: the selection, then rows 1..50.
ModulationTable readTable(Session& session)
{
    ModulationTable table;
    ReadModulationTable(session.link(), table, {});
    // Unlike the panel's list, the file saved next records the selection just read.
    table.selection = table.shown;
    return table;
}

// A file that cannot be saved to or loaded from is refused before the device is asked.
QString fileProblem(const QFileInfo& file, bool saving)
{
    if (file.isDir())
        return QStringLiteral("%1 is a folder").arg(file.filePath());
    if (saving && !QFileInfo(file.absolutePath()).isDir())
        return QStringLiteral("no folder %1").arg(file.absolutePath());
    if (!saving && !(file.isFile() && file.isReadable()))
        return QStringLiteral("cannot read ") + file.filePath();
    return {};
}

int save(Session& session)
{
    const ModulationTable table = readTable(session);
    if (session.failed())
        return session.exitCode();
    if (!SaveModulationTable(session.context(), table))
        return exitcode::DeviceError;
    return session.exitCode();
}

int load(Session& session)
{
    ModulationTable table;
    // A refused file has sent nothing; the message has said why.
    if (!LoadModulationTable(session.link(), table, {}))
        return exitcode::UsageError;
    if (session.failed())
        return session.exitCode();
    PrintLine(QStringLiteral("%1 rows loaded, control input %2, modulation type %3")
                  .arg(table.rows.size())
                  .arg(ControlInputName(table.selection.controlInput), ModulationTypeName(table.selection.modType)));
    return session.exitCode();
}

} // namespace

int RunModTable(const CtlOptions& options)
{
    const bool saving = options.what == "save";
    const QString path = QString::fromStdString(options.file);
    if (const QString problem = fileProblem(QFileInfo(path), saving); !problem.isEmpty()) {
        PrintError(problem);
        return exitcode::UsageError;
    }
    Session session(options.connection);
    if (const int code = session.open(); code != exitcode::Success)
        return code;
    session.prompts().setChosenFile(path);
    return saving ? save(session) : load(session);
}

} // namespace dalto::ctl
