#pragma once
// The "debug.txt" record of link faults: one quoted value per fault, appended.

#include "LinkFault.h"

#include <QString>

namespace dalto {

// heading is "Initialization Error:", "Write Error:" or "Read Error:".
QString faultRecord(const QString& heading, const LinkFault& fault);

// Appends the record to the file. A file that cannot be opened or written (read-only
// folder, full disk) loses the record; the link carries on either way.
void appendFaultRecord(const QString& path, const QString& heading, const LinkFault& fault);

} // namespace dalto
