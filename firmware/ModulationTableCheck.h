#pragma once
// Controllers before firmware 2.1 may come out of programming with a modulation
// table that later firmware cannot use. These make sure the table is valid, or
// reset it to a neutral one.

namespace dalto {
class DeviceLink;
}

namespace dalto::firmware {

// Firmware versions below this one get the check after programming.
inline constexpr double ModulationCheckBelowVersion = 2.1;

// Reads the selection and the table; any value out of range resets the table,
// otherwise the selection is written back as it was.
void CheckModulationTable(DeviceLink& link);
// Voltage input with multiplication, every row 0,0, then no modulation.
void ResetModulationTable(DeviceLink& link);

} // namespace dalto::firmware
