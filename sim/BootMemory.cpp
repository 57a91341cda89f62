#include "sim/BootMemory.h"

#include <algorithm>

namespace dalto::sim {

namespace {
QString hex(quint32 address)
{
    return QStringLiteral("0x%1").arg(address, 6, 16, QLatin1Char('0'));
}
} // namespace

std::optional<QString> BootMemory::erase(quint32 address)
{
    if (address >= ProgramSize)
        return QStringLiteral("erase at %1 outside program memory").arg(hex(address));
    const quint32 start = std::max(address - address % BlockSize, ProtectedSize);
    const quint32 end = address - address % BlockSize + BlockSize;
    if (static_cast<quint32>(image_.size()) > start)
        std::fill(image_.begin() + start, image_.begin() + std::min<quint32>(end, image_.size()), '\xFF');
    erased_.set(address / BlockSize);
    return std::nullopt;
}

std::optional<QString> BootMemory::writeProgram(quint32 address, const QByteArray& bytes)
{
    const quint32 end = address + static_cast<quint32>(bytes.size());
    if (address < ProtectedSize)
        return QStringLiteral("write at %1 into the boot loader").arg(hex(address));
    if (end > ProgramSize)
        return QStringLiteral("write at %1 beyond program memory").arg(hex(address));
    for (quint32 block = address / BlockSize; block <= (end - 1) / BlockSize; ++block) {
        if (!erased_.test(block))
            return QStringLiteral("write at %1 into block %2, which was not erased")
                .arg(hex(address), hex(block * BlockSize));
    }
    store(address, bytes);
    return std::nullopt;
}

std::optional<QString> BootMemory::writeOther(quint32 address, const QByteArray& bytes)
{
    if (address + static_cast<quint32>(bytes.size()) > AddressSpace)
        return QStringLiteral("write at %1 beyond the address space").arg(hex(address));
    store(address, bytes);
    return std::nullopt;
}

void BootMemory::store(quint32 address, const QByteArray& bytes)
{
    const qsizetype end = address + bytes.size();
    if (image_.size() < end)
        image_.append(end - image_.size(), '\xFF');
    std::copy(bytes.begin(), bytes.end(), image_.begin() + address);
}

} // namespace dalto::sim
