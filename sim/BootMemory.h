#pragma once
// The controller's memory as the boot loader sees it: 2 MiB of program flash
// that is erased in 4 KiB blocks and written only where it was erased (the
// first 0x200 bytes hold the boot loader itself and are never touched), and
// the other memories (configuration, EEPROM) higher up in the 24-bit address
// space, written byte by byte without erasing. Unwritten bytes read 0xFF.

#include <QByteArray>
#include <QString>
#include <bitset>
#include <optional>

namespace dalto::sim {

class BootMemory {
public:
    static constexpr quint32 BlockSize = 0x1000;
    static constexpr quint32 ProgramSize = 0x200000;
    static constexpr quint32 AddressSpace = 0x1000000;
    static constexpr quint32 ProtectedSize = 0x200; // the boot loader's own code

    // Each returns why the request was refused, or nothing when it was done.
    std::optional<QString> erase(quint32 address);
    std::optional<QString> writeProgram(quint32 address, const QByteArray& bytes);
    std::optional<QString> writeOther(quint32 address, const QByteArray& bytes);

    // Bytes 0 up to the highest one written, 0xFF where nothing was written;
    // empty before the first write.
    QByteArray image() const { return image_; }

private:
    void store(quint32 address, const QByteArray& bytes);

    QByteArray image_;
    std::bitset<ProgramSize / BlockSize> erased_;
};

} // namespace dalto::sim
