// The device's answers about its modulation table: the selection and one row.
// Input: the selection reply, the row reply, then a byte for the row asked for.

#include "FuzzInput.h"
#include "protocol/ModulationReplies.h"

using namespace dalto;
using namespace dalto::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const QString selectionReply = text(input.next());
    const QString rowReply = text(input.next());
    const int16_t asked = int16_t(1 + input.byte() % ModulationTableLength);

    const SelectionReply selection = ParseModSelection(selectionReply);
    if (selection.error.isEmpty()) {
        FUZZ_CHECK(selection.selection.controlInput >= 0 && selection.selection.controlInput <= 2, selectionReply);
        FUZZ_CHECK(selection.selection.modType == 0 || selection.selection.modType == 1, selectionReply);
    } else {
        FUZZ_CHECK(selection.error == QStringLiteral("Invalid Control Input!")
                       || selection.error == QStringLiteral("Invalid Modulation Type!"),
                   selectionReply);
    }

    const RowReply row = ParseTableRow(rowReply, asked);
    switch (row.kind) {
    case RowReply::Kind::Row:
        FUZZ_CHECK(row.row.row >= 1 && row.error.isEmpty(), rowReply);
        FUZZ_CHECK(row.row.vmod.size() + row.row.value.size() < rowReply.size(), rowReply);
        break;
    case RowReply::Kind::NoTableSelected:
        break;
    case RowReply::Kind::Invalid:
        FUZZ_CHECK(row.error.startsWith(QStringLiteral("Invalid ")), rowReply);
        break;
    }
    return 0;
}
