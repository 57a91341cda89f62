#pragma once
// An Intel HEX file as the loader uses it: the file's lines (carriage returns
// removed, split at line feeds) with each record's fields taken by position. The
// whole file is checked before anything is sent to the device, so that a damaged or
// foreign file is refused while the device is still untouched.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace dalto::firmware {

enum class RecordType : uint8_t {
    Data = 0x00,
    EndOfFile = 0x01,
    ExtendedSegmentAddress = 0x02,
    StartSegmentAddress = 0x03,
    ExtendedLinearAddress = 0x04,
    StartLinearAddress = 0x05,
};

struct HexRecord {
    uint8_t type = 0;
    QString addressText;  // the four address digits as written in the file
    uint16_t address = 0; // the same as a number
    QByteArray data;      // the data bytes (type 04: the two bytes of the upper address)
    // Type 04: the upper address (bits 16-31 of later data addresses).
    uint16_t upperAddress() const
    {
        return data.size() == 2 ? uint16_t((uint8_t(data[0]) << 8) | uint8_t(data[1])) : 0;
    }
};

enum class HexFault {
    None,
    Invalid,           // refused as "Invalid File"
    RefusedRecordType, // a type-02 or type-05 record: refused as "Error"
    Unreadable,        // the file could not be read (error holds the system's reason)
};

struct HexFile {
    // One record per line up to and including the end-of-file record; what may
    // follow it (blank lines, a DOS end-of-file byte, the end record again) has no
    // record.
    std::vector<HexRecord> records;
    // Index of the file's last line (its line count - 1): the end of the progress range.
    int upperBound = 0;
    HexFault fault = HexFault::None;
    QString error; // why the file was refused, for a log or a command-line tool

    bool usable() const { return fault == HexFault::None; }
};

// Files larger than this are refused unread: no controller holds that much.
inline constexpr qint64 MaxHexFileBytes = 16 * 1024 * 1024;
// A file needs at least this many lines to be loaded.
inline constexpr int MinHexFileLines = 11;
// Bits 16-23 of an address are the highest the boot loader takes.
inline constexpr uint16_t MaxUpperAddress = 0xFF;

// Reads and checks the text of a HEX file. Never throws; every fault is reported in
// the result.
HexFile parseHexFile(const QByteArray& text);

// Reads the file at path and parses it. A path shorter than 5 characters names no
// file and gives an empty, invalid file.
HexFile loadHexFile(const QString& path);

} // namespace dalto::firmware
