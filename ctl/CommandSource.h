#pragma once
// Where query and send take their commands from: the arguments, or standard input
// line by line when the only argument is "-" (each line sent as it is read, so a
// pipe can drive a long session).

#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace dalto::ctl {

// True when the commands come from standard input (the only argument is "-").
bool ReadsStandardInput(const std::vector<std::string>& arguments);

// Calls each with every command until it returns false; false when one did.
bool ForEachCommand(const std::vector<std::string>& arguments, const std::function<bool(const QString&)>& each);

// True for a command the device answers: a SCPI query (a "?" in its header) or
// one of the "<>" exchanges that return a line.
bool ExpectsReply(const QString& command);

} // namespace dalto::ctl
