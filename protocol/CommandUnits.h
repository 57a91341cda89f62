#pragma once
// A line sent to the supply may hold several SCPI commands joined by ";".

#include <QStringList>

namespace dalto {

// The commands of line, split at ";" outside quoted strings (which may hold a
// ";" of their own); a line without one is a single command.
QStringList CommandUnits(const QString& line);

} // namespace dalto
