#include "CommandSource.h"

#include "protocol/StatusProtocol.h"

#include <QStringList>
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
    const QString header = command.trimmed().section(QLatin1Char(' '), 0, 0);
    if (header.contains(QLatin1Char('?')))
        return true;
    static const QStringList answered = {status::All, status::Scale, status::Pots, status::Live};
    return answered.contains(header, Qt::CaseInsensitive);
}

} // namespace dalto::ctl
