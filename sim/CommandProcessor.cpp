#include "sim/CommandProcessor.h"

#include "sim/ScpiCommandTable.h"
#include "sim/StatusProtocol.h"

#include <QRegularExpression>
#include <QStringList>

namespace dalto::sim {

namespace {

bool hasInvalidBytes(const QByteArray& line)
{
    for (char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && byte != '\t') || byte >= 0x7F)
            return true;
    }
    return false;
}

// Splits at ";" outside quoted strings.
QStringList splitCommands(const QString& line)
{
    QStringList commands;
    QString current;
    QChar quote;
    for (QChar c : line) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            commands << current;
            current.clear();
            continue;
        }
        current.append(c);
    }
    commands << current;
    return commands;
}

} // namespace

LineResponse CommandProcessor::handleLine(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.trimmed().isEmpty())
        return {};
    if (hasInvalidBytes(line)) {
        device_.events.pushError(scpi_error::InvalidCharacter);
        return {};
    }
    device_.supply.setRemote(true);
    device_.followLoadProfile();

    const QString text = QString::fromLatin1(line).trimmed();
    if (isStatusProtocolLine(text)) {
        const StatusProtocolResult result = handleStatusProtocol(device_, text);
        device_.events.pushError(result.error);
        LineResponse response;
        if (result.reply)
            response.reply = result.reply->toLatin1();
        response.restartNetwork = result.restartNetwork;
        return response;
    }

    QStringList replies;
    for (const QString& command : splitCommands(text)) {
        if (command.trimmed().isEmpty())
            continue;
        if (const auto reply = handleScpiCommand(command.trimmed(), !replies.isEmpty()))
            replies << *reply;
    }
    if (replies.isEmpty())
        return {};
    return {replies.join(u';').toLatin1()};
}

void CommandProcessor::reportOverrun()
{
    device_.events.pushError(scpi_error::InputBufferOverrun);
}

std::optional<QString> CommandProcessor::handleScpiCommand(const QString& command, bool messagePending)
{
    static const QRegularExpression whitespace(QStringLiteral("\\s"));
    const qsizetype blank = command.indexOf(whitespace);
    QString header = blank < 0 ? command : command.left(blank);
    const QString arguments = blank < 0 ? QString() : command.mid(blank + 1).trimmed();
    const bool query = header.endsWith(u'?');
    if (query)
        header.chop(1);

    if (query && header.compare(u"*STB", Qt::CaseInsensitive) == 0)
        return QString::number(device_.events.statusByte(messagePending));

    const ScpiCommand* entry = findScpiCommand(header);
    const CommandHandler* handler = nullptr;
    if (entry)
        handler = query ? &entry->query : &entry->setting;
    if (!handler || !*handler) {
        device_.events.pushError(scpi_error::UndefinedHeader);
        return std::nullopt;
    }
    const CommandResult result = (*handler)(device_, arguments);
    device_.events.pushError(result.error);
    return result.reply;
}

} // namespace dalto::sim
