#pragma once
// Reading the modulation selection and table rows from the device, with the
// messages the Modulation panel shows. In Simulated mode the device's part is played
// by what the user typed into the panel's boxes, one row at a time.

#include "protocol/ModulationTable.h"

#include <QString>
#include <functional>

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

// How one read of the selection or of a table row ended.
enum class ModRead {
    Answered, // the device answered (in Simulated mode: the boxes)
    NoTable,  // the device has no table selected: nothing changed, nothing said
    Refused,  // the reply was not understood; its message has been shown
    LinkLost, // the read timed out or the link failed; the link has told the user
};

struct SelectionRead {
    ModRead outcome = ModRead::LinkLost;
    // Answered: what the device reported. Refused: -1 for what was not understood
    // (both when the control input was not, since the type is then not read).
    ModSelection selection;
};

struct RowRead {
    ModRead outcome = ModRead::LinkLost;
    ModTableRow row; // Answered: the row filed, under the position the device reported
};

// Sends "MOD:TYPE:SEL?" and reads the selection; when answered it becomes
// table.shown. The caller decides whether it also becomes table.selection.
SelectionRead ReadModSelection(DeviceLink& link, ModulationTable& table, const ModulationBoxes& boxes);

// Sends "MOD:TABL? row" and, when answered, files the reply into table.
RowRead ReadTableRow(DeviceLink& link, ModulationTable& table, int16_t row, const ModulationBoxes& boxes);

// Runs after each row read of a whole-table operation with the row asked for and
// what came back (the panel shows the row and its progress, and lets events run).
using ModRowProgress = std::function<void(int16_t asked, const RowRead& read)>;

// Get All Data: empties table's rows, reads the selection (into table.shown only)
// and rows 1..ModulationTableLength. It ends at the first message, time-out or
// link failure, so the user sees at most one box and the list holds only rows
// the device reported; in Simulated mode no row is read (the boxes would give
// every row the same made-up values). True when every row was asked for.
bool ReadModulationTable(DeviceLink& link, ModulationTable& table, const ModulationBoxes& boxes,
                         const ModRowProgress& afterRow = {});

// Whether a whole-table operation goes on after a read with this outcome.
bool ContinuesAfter(ModRead outcome);

} // namespace dalto
