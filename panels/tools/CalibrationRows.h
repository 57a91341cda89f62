#pragma once
// The command rows of the Calibration panel, top to bottom: which command-list
// entry each row sends, its buttons, and the access level it needs.

#include <QString>
#include <vector>

namespace dalto {

enum class RowAccess {
    Always,      // usable at every level
    FactorySet,  // Get always; Set and box only at the factory level
    FactoryRow,  // the whole row shown only at the factory level
    FactoryNetworkRow, // as FactoryRow, and only on TCP/IP
};

struct CalibrationRow {
    QString caption;
    int index; // position in ScpiCommands
    bool hasGet;
    bool hasData; // the Set button's tag "1": a box
    RowAccess access;
    QString labelName = {}; // a caption label the panel addresses by name
};

namespace calrow {
inline constexpr int Password = 29;
inline constexpr int Pot = 30;
inline constexpr int EndCal = 34;
inline constexpr int SystemVersion = 19;
inline constexpr int NetworkSerial = 40;
inline constexpr int NetworkVersion = 41;
} // namespace calrow

const std::vector<CalibrationRow>& CalibrationRows();

} // namespace dalto
