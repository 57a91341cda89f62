#include "HexFile.h"

#include <QFile>
#include <QList>
#include <cctype>
#include <optional>

namespace dalto::firmware {

namespace {

// The shortest record: colon, count, address, type and checksum.
constexpr qsizetype MinRecordChars = 11;
// Positions (0-based) of the fields in a record line.
constexpr qsizetype AddressAt = 3;
constexpr qsizetype TypeAt = 7;
constexpr qsizetype DataAt = 9;
// The DOS end-of-file byte that many tools still put at the end of a text file.
constexpr char DosEndOfFile = 0x1A;

std::optional<QByteArray> hexBytes(const QByteArray& digits)
{
    for (char c : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    return QByteArray::fromHex(digits);
}

struct LineCheck {
    std::optional<HexRecord> record;
    QString fault;
};

// One record line, checked against its own count and checksum.
LineCheck readRecord(const QByteArray& line)
{
    if (line.size() < MinRecordChars || line.front() != ':' || line.size() % 2 == 0)
        return {std::nullopt, QStringLiteral("not a record")};
    const std::optional<QByteArray> bytes = hexBytes(line.mid(1));
    if (!bytes)
        return {std::nullopt, QStringLiteral("not hexadecimal")};
    if (uint8_t(bytes->front()) != bytes->size() - 5)
        return {std::nullopt, QStringLiteral("byte count does not match the line")};
    uint8_t sum = 0;
    for (char b : *bytes)
        sum = uint8_t(sum + uint8_t(b));
    if (sum != 0)
        return {std::nullopt, QStringLiteral("checksum does not match")};

    HexRecord record;
    record.type = uint8_t(QByteArray::fromHex(line.mid(TypeAt, 2)).front());
    record.addressText = QString::fromLatin1(line.mid(AddressAt, 4));
    record.address = uint16_t(line.mid(AddressAt, 4).toUInt(nullptr, 16));
    record.data = QByteArray::fromHex(line.mid(DataAt, line.size() - DataAt - 2));
    return {record, {}};
}

// A DOS end-of-file byte that only line ends follow is taken off; the line count
// stays as it is.
QByteArray withoutDosEnd(QByteArray text)
{
    qsizetype end = text.size();
    while (end > 0 && (text[end - 1] == '\n' || text[end - 1] == '\r'))
        --end;
    if (end > 0 && text[end - 1] == DosEndOfFile)
        text.remove(end - 1, 1);
    return text;
}

// After the end-of-file record a file may hold blank lines and the same record again.
bool mayFollowTheEnd(const QByteArray& line)
{
    if (line.isEmpty())
        return true;
    const LineCheck check = readRecord(line);
    return check.record && RecordType(check.record->type) == RecordType::EndOfFile;
}

HexFile refused(HexFault fault, const QString& why, int upperBound)
{
    HexFile file;
    file.fault = fault;
    file.error = why;
    file.upperBound = upperBound;
    return file;
}

} // namespace

HexFile parseHexFile(const QByteArray& text)
{
    if (text.size() > MaxHexFileBytes)
        return refused(HexFault::Invalid, QStringLiteral("file too large"), 0);
    QByteArray withoutReturns = withoutDosEnd(text);
    withoutReturns.replace('\r', QByteArray());
    const QList<QByteArray> lines = withoutReturns.split('\n');
    const int upperBound = int(lines.size()) - 1;
    if (lines.size() < MinHexFileLines)
        return refused(HexFault::Invalid, QStringLiteral("fewer than %1 lines").arg(MinHexFileLines), upperBound);

    HexFile file;
    file.upperBound = upperBound;
    bool ended = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString where = QStringLiteral("line %1: ").arg(i + 1);
        if (ended) {
            if (!mayFollowTheEnd(lines[i]))
                return refused(HexFault::Invalid, where + QStringLiteral("text after the end-of-file record"), upperBound);
            continue;
        }
        const LineCheck check = readRecord(lines[i]);
        if (!check.record)
            return refused(HexFault::Invalid, where + check.fault, upperBound);
        const HexRecord& record = *check.record;
        switch (RecordType(record.type)) {
        case RecordType::Data:
            break;
        case RecordType::EndOfFile:
            ended = true;
            break;
        case RecordType::ExtendedLinearAddress:
            if (record.data.size() != 2)
                return refused(HexFault::Invalid, where + QStringLiteral("extended address is not two bytes"), upperBound);
            if (record.upperAddress() > MaxUpperAddress)
                return refused(HexFault::Invalid, where + QStringLiteral("address beyond 24 bits"), upperBound);
            break;
        case RecordType::ExtendedSegmentAddress:
        case RecordType::StartLinearAddress:
            return refused(HexFault::RefusedRecordType,
                           where + QStringLiteral("record type %1 is refused").arg(record.type, 2, 16, QLatin1Char('0')),
                           upperBound);
        default:
            return refused(HexFault::Invalid,
                           where + QStringLiteral("record type %1 cannot be loaded").arg(record.type, 2, 16, QLatin1Char('0')),
                           upperBound);
        }
        file.records.push_back(record);
    }
    if (!ended)
        return refused(HexFault::Invalid, QStringLiteral("no end-of-file record"), upperBound);
    return file;
}

HexFile loadHexFile(const QString& path)
{
    if (path.size() < 5)
        return refused(HexFault::Invalid, QStringLiteral("no file chosen"), 0);
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return refused(HexFault::Unreadable, source.errorString(), 0);
    if (source.size() > MaxHexFileBytes)
        return refused(HexFault::Invalid, QStringLiteral("file too large"), 0);
    return parseHexFile(source.read(MaxHexFileBytes + 1));
}

} // namespace dalto::firmware
