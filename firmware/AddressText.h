#pragma once
// The address of the last packet built, as the loader shows it: the upper byte in
// hexadecimal without leading zero, then the 16-bit address as two byte pairs.

#include "HexFile.h"

#include <QString>
#include <cstdint>

namespace dalto::firmware {

// "1 F0 00" for the erase packet of 0x1F000.
QString eraseAddressText(uint32_t address);
// "2 12 A0" for the record at "12A0" under upper address 2, digits as in the file.
QString writeAddressText(uint16_t upper, const HexRecord& record);

} // namespace dalto::firmware
