#pragma once
// The rows of the Command panel: which command-list entry each row sends, which
// buttons it has and whether it carries data (a box whose text a Set sends and
// into which a Get reply goes).

#include <QString>
#include <vector>

namespace dalto {

enum class CommandTable { Scpi, Ieee };

enum class CommandGroup {
    Settings, // set points and configuration (fraCmd1)
    DataRows, // fraCmd2 rows with Get, Set and data
    SetOnly,  // fraCmd2 action column
    GetOnly,  // fraCmd2 read-back column
};

struct CommandRow {
    QString caption;
    CommandTable table;
    int index; // position in ScpiCommands or IeeeCommands
    CommandGroup group;
    bool hasGet;
    bool hasSet;
    bool hasData; // the buttons' tag "1"
    QString labelName = {}; // a caption label the panel addresses by name
};

// Top to bottom within each group.
const std::vector<CommandRow>& CommandRows();

} // namespace dalto
