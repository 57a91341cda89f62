#pragma once
// The modulation of the supply: which control input is modulated (0 none,
// 1 voltage, 2 current), how (0 multiplication, 1 addition), a table of up to
// 50 points pairing a modulating-input value with a factor or offset, and the
// slew limit. The table can be stored in non-volatile memory, from which *RST
// reloads it.

#include <QString>
#include <array>

namespace dalto::sim {

struct ModulationRow {
    double vmod = 0.0;
    double value = 0.0;
};

class ModulationTable {
public:
    static constexpr int RowCount = 50;
    static constexpr int InputNone = 0;
    static constexpr int InputMaximum = 2;
    static constexpr int TypeMaximum = 1;

    int select(int controlInput, int type);
    int controlInput() const { return input_; }
    int type() const { return type_; }
    bool tableSelected() const { return input_ != InputNone; }

    // row: 1..RowCount. Needs a selected control input.
    int setRow(int row, const ModulationRow& values);
    const ModulationRow& row(int row) const { return rows_[row - 1]; }
    static bool validRow(int row) { return row >= 1 && row <= RowCount; }

    int setSlewLimit(double limit);
    double slewLimit() const { return slewLimit_; }

    void saveToEeprom();
    void reloadFromEeprom();

private:
    struct Stored {
        std::array<ModulationRow, RowCount> rows {};
        double slewLimit = 0.0;
    };
    int input_ = InputNone;
    int type_ = 0;
    std::array<ModulationRow, RowCount> rows_ {};
    double slewLimit_ = 0.0;
    Stored eeprom_;
};

} // namespace dalto::sim
