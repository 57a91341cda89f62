#pragma once
// The supply's SCPI and IEEE-488.2 command set: one entry per header, with the
// query form and the setting form it accepts.

#include "sim/Device.h"
#include "sim/ScpiHeader.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace dalto::sim {

struct CommandResult {
    int error = scpi_error::None;
    std::optional<QString> reply;
};

using CommandHandler = std::function<CommandResult(Device&, const QString& arguments)>;

struct ScpiCommand {
    ScpiHeaderPattern header;
    CommandHandler query;   // empty when the header has no query form
    CommandHandler setting; // empty when the header is a query only
};

// The command whose header matches, or nullptr.
const ScpiCommand* findScpiCommand(QStringView header);

} // namespace dalto::sim
