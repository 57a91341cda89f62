#include "DiscoveryReply.h"

#include <QList>
#include <algorithm>

namespace dalto {

namespace {
constexpr int UsedLines = 3;
constexpr qsizetype MaxFieldLength = 64;

bool printableField(const QByteArray& field)
{
    return field.size() <= MaxFieldLength
        && std::all_of(field.begin(), field.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

bool usablePort(const QByteArray& field)
{
    bool ok = false;
    const uint port = field.toUInt(&ok);
    return ok && port >= 1 && port <= 65535;
}
} // namespace

std::optional<DiscoveredDevice> ParseDiscoveryReply(const QByteArray& datagram)
{
    if (datagram.isEmpty() || datagram.size() > MaxDiscoveryReplyBytes)
        return std::nullopt;
    const QList<QByteArray> lines = datagram.split('\n');
    QList<QByteArray> fields;
    // Lines end in CR LF; a bare LF or CR inside a used line makes it unreadable.
    for (qsizetype i = 0; i < lines.size() && fields.size() < UsedLines; ++i) {
        const bool last = i + 1 == lines.size();
        QByteArray line = lines[i];
        if (!last) {
            if (!line.endsWith('\r'))
                return std::nullopt;
            line.chop(1);
        }
        fields.append(line);
    }
    if (fields.size() < UsedLines)
        return std::nullopt;
    if (!std::all_of(fields.begin(), fields.end(), printableField) || !usablePort(fields[2]))
        return std::nullopt;
    return DiscoveredDevice{QString::fromLatin1(fields[0]), QString::fromLatin1(fields[1]),
                            QString::fromLatin1(fields[2])};
}

} // namespace dalto
