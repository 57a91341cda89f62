#pragma once
// The Save Table and Load Table buttons: a modulation table in a ".modTable" file.
//
//     [Config]
//     Table=1        control input, written when known
//     Type=0         modulation type, written when known
//     [Table]
//     key1Mod=0.000  each listed row's VMOD text, then its value text
//     key1Out=1.000
//
// Saving writes a complete new file beside the old one and only then replaces it,
// so a failure leaves the old file as it was and is reported.

#include "protocol/ModulationExchange.h"
#include "protocol/ModulationTable.h"

namespace dalto {

class DeviceLink;
struct AppContext;

// Files larger than this are not table files and are not read.
inline constexpr qint64 ModTableFileLimit = 1024 * 1024;

// Asks for the file and saves table (its selection and rows). True when saved.
bool SaveModulationTable(AppContext& context, const ModulationTable& table);

// Asks for a file, sends its selection and every complete row to the device, then
// reads the selection (into table.selection and table.shown) and rows 1..50 back
// into table (the list is not emptied first). afterRow runs after each row read-back
// (the panel repaints). As Get All Data, the load ends at the first message, time-out
// or link failure, and reads no row back in Simulated mode; a row sent whose
// read-back failed leaves table, since the device may hold either value. True when a
// file was loaded (also when the device failed on the way); false when cancelled or
// rejected (nothing sent).
bool LoadModulationTable(DeviceLink& link, ModulationTable& table, const ModulationBoxes& boxes,
                         const ModRowProgress& afterRow = {});

} // namespace dalto
