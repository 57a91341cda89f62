#include "CommandSource.h"

#include "protocol/CommandUnits.h"
#include "protocol/StatusProtocol.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <iostream>

namespace dalto::ctl {

bool ReadsStandardInput(const std::vector<std::string>& arguments)
{
    return arguments.size() == 1 && arguments.front() == "-";
}

bool ForEachCommand(const std::vector<std::string>& arguments, const std::function<bool(const QString&)>& each)
{
    if (ReadsStandardInput(arguments)) {
        std::string line;
        while (std::getline(std::cin, line)) {
            const QString command = QString::fromLocal8Bit(line).trimmed();
            if (!command.isEmpty() && !each(command))
                return false;
        }
        return true;
    }
    for (const std::string& argument : arguments) {
        if (!each(QString::fromLocal8Bit(argument)))
            return false;
    }
    return true;
}

bool ExpectsReply(const QString& command)
{
    const QString line = command.trimmed();
    if (line.startsWith(QLatin1String("<>"))) {
        static const QStringList answered = {status::All, status::Scale, status::Pots, status::Live};
        return answered.contains(line.section(QLatin1Char(' '), 0, 0), Qt::CaseInsensitive);
    }
    // A line may hold several SCPI commands separated by ";"; the device answers
    // it when one of them is a query.
    static const QRegularExpression whitespace(QStringLiteral("\\s"));
    const QStringList units = CommandUnits(line);
    return std::any_of(units.begin(), units.end(), [](const QString& unit) {
        return unit.trimmed().section(whitespace, 0, 0).contains(QLatin1Char('?'));
    });
}

} // namespace dalto::ctl
