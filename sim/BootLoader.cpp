#include "sim/BootLoader.h"

#include <optional>

namespace dalto::sim {

namespace {

constexpr qsizetype HeaderSize = 5; // command, count, address low, middle, high

quint32 address(const QByteArray& body)
{
    return static_cast<quint8>(body[2]) | static_cast<quint8>(body[3]) << 8 | static_cast<quint8>(body[4]) << 16;
}

quint8 count(const QByteArray& body) { return static_cast<quint8>(body[1]); }

// Each returns the reason for a refusal, or nothing when the packet was carried out.
using Command = std::optional<QString> (*)(BootMemory&, const QByteArray&);

std::optional<QString> erase(BootMemory& memory, const QByteArray& body)
{
    if (body.size() != HeaderSize || count(body) != 0xFF)
        return QStringLiteral("erase packet malformed");
    return memory.erase(address(body));
}

std::optional<QString> writeProgram(BootMemory& memory, const QByteArray& body)
{
    if (body.size() < HeaderSize || count(body) == 0 || body.size() != HeaderSize + count(body) * BootLoader::WriteBlock)
        return QStringLiteral("program write packet malformed");
    return memory.writeProgram(address(body), body.mid(HeaderSize));
}

std::optional<QString> writeOther(BootMemory& memory, const QByteArray& body)
{
    if (body.size() < HeaderSize || count(body) == 0 || body.size() != HeaderSize + count(body))
        return QStringLiteral("memory write packet malformed");
    return memory.writeOther(address(body), body.mid(HeaderSize));
}

std::optional<QString> reset(BootMemory&, const QByteArray& body)
{
    if (body.size() != 1)
        return QStringLiteral("reset packet malformed");
    return std::nullopt;
}

struct CommandEntry {
    char code;
    const char* name;
    Command run;
};

constexpr CommandEntry Commands[] = {
    {0x01, "program write", writeProgram},
    {0x02, "erase", erase},
    {0x03, "memory write", writeOther},
    {0x04, "reset", reset},
};

constexpr char ResetCode = 0x04;

} // namespace

BootLoader::Outcome BootLoader::handle(const QByteArray& body)
{
    for (const CommandEntry& command : Commands) {
        if (body.front() != command.code)
            continue;
        if (const auto fault = command.run(memory_, body))
            return {refusal(), *fault};
        QString note = QString::fromLatin1(command.name);
        if (body.size() >= HeaderSize)
            note += QStringLiteral(" at 0x%1").arg(address(body), 6, 16, QLatin1Char('0'));
        // The controller restarts at once: the reset gets no answer.
        if (command.code == ResetCode)
            return {QByteArray(), note, true};
        return {acknowledgement(), note};
    }
    return {refusal(), QStringLiteral("unknown command 0x%1").arg(static_cast<quint8>(body.front()), 2, 16, QLatin1Char('0'))};
}

} // namespace dalto::sim
