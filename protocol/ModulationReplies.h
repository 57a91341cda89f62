#pragma once
// The device's answers to "MOD:TYPE:SEL?" and "MOD:TABL? n", taken apart without
// talking to the device. Each failure carries the exact message the user is shown.

#include "protocol/ModulationTable.h"

#include <QString>

namespace dalto {

struct SelectionReply {
    // With an error, -1 stands for what was not understood: both indexes after an
    // invalid control input (the type is then not read), the type after an invalid type.
    ModSelection selection;
    QString error; // "Invalid Control Input!" or "Invalid Modulation Type!"
};

// "controlInput,modType": the control input is the first character, the type the
// text after the first comma (the whole reply when there is none).
SelectionReply ParseModSelection(const QString& reply);

struct RowReply {
    enum class Kind {
        Row,             // row holds the reported position and its two values
        NoTableSelected, // the device has no table: change nothing, say nothing
        Invalid,         // error holds the message
    };
    Kind kind = Kind::Invalid;
    ModTableRow row;
    QString error; // "Invalid position N!" / "Invalid Elements at position N!"
};

// "position(vmod,value)", case-insensitive. The position the device reports
// replaces requestedRow; messages name requestedRow when the position is unusable.
RowReply ParseTableRow(const QString& reply, int16_t requestedRow);

} // namespace dalto
