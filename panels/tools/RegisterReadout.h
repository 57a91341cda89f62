#pragma once
// What the Register panel shows and sends, without widgets: the register value a
// reply carries, its decimal, hexadecimal and binary texts, the bit captions of
// each register, and the decimal argument an entry in the chosen format gives.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace dalto {

enum class StatusRegister { OPER, QUES, ESE, ESR, SRE, STB };

// The IEEE-488.2 registers have 8 bits, the SCPI condition registers 16.
int RegisterBitCount(StatusRegister reg);
QStringList RegisterBitCaptions(StatusRegister reg);

// The reply's leading number as a 32-bit integer; 0 when the reply is not a
// number or the number does not fit.
int32_t RegisterValueOf(const QString& reply);

struct RegisterTexts {
    QString decimal;
    QString hex;
    QString binary;
};
// 8-bit: hex as two upper-case digits ("0B"), binary "0010 1101".
// 16-bit: hex "01 00", binary "0000 0001 0000 0000".
RegisterTexts RegisterTextsOf(int32_t value, int bitCount);

enum class EntryFormat { Decimal, Hex, Binary };
// The argument of Set ESE / Set SRE: hexadecimal and binary entries become their
// decimal value, a decimal entry goes as typed.
QString RegisterArgument(const QString& entry, EntryFormat format);

} // namespace dalto
