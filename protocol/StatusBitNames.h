#pragma once
// The names of the bits of the two words of the live status reply ("<>STA"
// fields 2 and 3): the captions of the front panels' lamps, and the names the
// command line and the trend log give the same bits. One table, so that a bit
// reads the same on a lamp, in daltoctl's output and in a CSV file.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace dalto::statusbits {

// The caption of the lamp of a bit; empty when no lamp shows it.
QString StatusLampCaption(int bit);
QString FaultLampCaption(int bit);
// The report name of a status-word bit (also the accessible name of its lamp).
QString StatusBitName(int bit);

// Names of the set bits that tell the supply's state: the status word's, then
// REMOTE; lowest bit first. Bits without a name are left out.
QStringList StateNames(int32_t statusWord, int32_t faultWord);
// Names of the set fault bits, lowest bit first.
QStringList FaultNames(int32_t faultWord);

} // namespace dalto::statusbits
