#include "RegisterReadout.h"

#include "core/LegacyNumbers.h"
#include "protocol/RegisterFormats.h"

namespace dalto {

int RegisterBitCount(StatusRegister reg)
{
    return reg == StatusRegister::OPER || reg == StatusRegister::QUES ? 16 : 8;
}

QStringList RegisterBitCaptions(StatusRegister reg)
{
    const QString unused = QStringLiteral("Unused");
    switch (reg) {
    case StatusRegister::ESE:
    case StatusRegister::SRE: {
        QStringList masks;
        for (int bit = 0; bit < 8; ++bit)
            masks << QStringLiteral("Mask%1").arg(bit);
        return masks;
    }
    case StatusRegister::ESR:
        return {"OPC", unused, "QE", "DDE", "EE", "CE", unused, "PO"};
    case StatusRegister::STB:
        return {unused, unused, unused, unused, "MAV", "ESB", "MSS", unused};
    case StatusRegister::OPER:
        return {"ARM", "SS", "LOCK", "INT", "EXT", "WTG", "STBY", "PWR",
                "CV", "RSEN", "CC", "STBY/ALM", unused, unused, unused, unused};
    case StatusRegister::QUES:
        return {"OV", "OC", "PB", "PGM", "OT", "FUSE", unused, "ALM",
                "ILOC", "REM", unused, unused, unused, unused, unused, unused};
    }
    return {};
}

int32_t RegisterValueOf(const QString& reply)
{
    return legacy::toLong(legacy::leadingNumber(reply)).value_or(0);
}

RegisterTexts RegisterTextsOf(int32_t value, int bitCount)
{
    if (bitCount > 8)
        return {QString::number(value), FormatHex16(value), FormatBinary(value, 1)};
    return {QString::number(value), legacy::hex(value).rightJustified(2, QLatin1Char('0')),
            FormatBinary(value, 0)};
}

QString RegisterArgument(const QString& entry, EntryFormat format)
{
    switch (format) {
    case EntryFormat::Hex:
        return legacy::format(legacy::leadingNumber(QStringLiteral("&H") + entry), QString());
    case EntryFormat::Binary:
        return QString::number(ParseBinary(entry));
    case EntryFormat::Decimal:
        break;
    }
    return entry;
}

} // namespace dalto
