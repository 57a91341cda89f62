#include "sim/ModulationTable.h"

#include "sim/EventRegisters.h"

#include <cmath>

namespace dalto::sim {

int ModulationTable::select(int controlInput, int type)
{
    if (controlInput < InputNone || controlInput > InputMaximum || type < 0 || type > TypeMaximum)
        return scpi_error::DataOutOfRange;
    input_ = controlInput;
    type_ = type;
    return scpi_error::None;
}

int ModulationTable::setRow(int row, const ModulationRow& values)
{
    if (!tableSelected())
        return scpi_error::SettingsConflict;
    if (!validRow(row) || !std::isfinite(values.vmod) || !std::isfinite(values.value))
        return scpi_error::DataOutOfRange;
    rows_[row - 1] = values;
    return scpi_error::None;
}

int ModulationTable::setSlewLimit(double limit)
{
    if (!(limit >= 0.0 && std::isfinite(limit)))
        return scpi_error::DataOutOfRange;
    slewLimit_ = limit;
    return scpi_error::None;
}

void ModulationTable::saveToEeprom()
{
    eeprom_.rows = rows_;
    eeprom_.slewLimit = slewLimit_;
}

void ModulationTable::reloadFromEeprom()
{
    rows_ = eeprom_.rows;
    slewLimit_ = eeprom_.slewLimit;
}

} // namespace dalto::sim
