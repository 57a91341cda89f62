#pragma once
// Reading the modulation selection and single table rows from the device, with the
// messages the Modulation panel shows. In Simulated mode the device's part is played
// by what the user typed into the panel's boxes.

#include "protocol/ModulationTable.h"

#include <QString>
#include <optional>

namespace dalto {

class DeviceLink;

// The panel's entry boxes that stand in for the device in Simulated mode: the
// MOD:TYPE:SEL row's two boxes and the MOD:TABL row's value boxes.
struct ModulationBoxes {
    QString controlInput; // txtData1(35)
    QString modType;      // txtData2(35)
    QString vmod;         // txtData2(36)
    QString value;        // txtData3(36)
};

// Sends "MOD:TYPE:SEL?" and reads the selection; on success it becomes table.shown
// and is returned. An invalid reply shows its message (critical) and gives nothing.
// The caller decides whether the result also becomes table.selection.
std::optional<ModSelection> ReadModSelection(DeviceLink& link, ModulationTable& table,
                                             const ModulationBoxes& boxes);

// Sends "MOD:TABL? row" and files the reply into table (the device's reported
// position decides the row). Returns the row filed; nothing when the device has no
// table selected (silently) or the reply was invalid (after its message).
std::optional<ModTableRow> ReadTableRow(DeviceLink& link, ModulationTable& table, int16_t row,
                                        const ModulationBoxes& boxes);

} // namespace dalto
