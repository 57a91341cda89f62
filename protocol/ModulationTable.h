#pragma once
// The modulation table as the Modulation panel's list shows it: which control input
// is modulated and how, and the rows read from the device, kept sorted by row
// number. Values are the texts the device returned; nothing is reformatted, so a
// saved file carries exactly what the list showed.

#include <QString>
#include <cstdint>
#include <vector>

namespace dalto {

// Rows 1..ModulationTableLength make up a table.
inline constexpr int16_t ModulationTableLength = 50;

// Indexes exchanged with the device and stored in table files; -1 while unknown.
// Control input: 0 "None", 1 "Voltage", 2 "Current".
// Modulation type: 0 "Multiplication", 1 "Addition".
struct ModSelection {
    int16_t controlInput = -1;
    int16_t modType = -1;
    friend bool operator==(const ModSelection&, const ModSelection&) = default;
};

struct ModTableRow {
    int16_t row = 0;
    QString vmod;  // the modulating-input value
    QString value; // the factor or offset
    friend bool operator==(const ModTableRow&, const ModTableRow&) = default;
};

struct ModulationTable {
    // The selection last read from or set on the device, or loaded from a file: what
    // a saved file records. Reading the whole table does not change it.
    ModSelection selection;
    // The selection the labels and the value column's caption show.
    ModSelection shown;
    // Sorted by row number, one entry per row.
    std::vector<ModTableRow> rows;
    // The row last read (the list's selected item); 0 when none.
    int16_t selectedRow = 0;

    // Files row: replaces the entry with the same number in place, or inserts it in
    // order; it becomes the selected row.
    void put(const ModTableRow& row);
    // The entry of row number, or null.
    const ModTableRow* find(int16_t row) const;
    // Takes row number out of the list (its value on the device is not known).
    void remove(int16_t row);
    // Empties the list (the selection is kept).
    void clearRows();
};

// The row a typed row number asks for: its leading number, forced into
// 1..ModulationTableLength, rounded half to even ("2.6" is row 3, "75" row 50).
int16_t ModRowAsked(const QString& text);

// The list item key of a row: "key" + the number ("key7").
QString ModRowKey(int16_t row);
// The hidden sort column's text: the number in three digits ("007").
QString ModRowSortText(int16_t row);

// "Voltage", "Current", "None"; "Multiplication", "Addition"; empty when unknown.
QString ControlInputName(int16_t controlInput);
QString ModulationTypeName(int16_t modType);
// "Control Input:" + 10 blanks + the name, "Modulation Type:" + 4 blanks + the name;
// the bare caption when the index is unknown (as after Clear All Data).
QString ControlInputLabel(int16_t controlInput);
QString ModulationTypeLabel(int16_t modType);
// The value column's caption: "Vos" for Voltage with Addition, "Ios" for Current
// with Addition, "Mod" otherwise.
QString ModValueCaption(const ModSelection& selection);

} // namespace dalto
