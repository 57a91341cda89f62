#pragma once
// The IEEE-488 common commands and SCPI commands the tool panels send, addressed
// by list position: a panel's row number is the position in these lists.

#include "core/SharedState.h"

#include <QStringList>

namespace dalto {

inline constexpr int IeeeCommandCount = 10;
inline constexpr int ScpiCommandCount = 44;

QStringList IeeeCommandList();
QStringList ScpiCommandList();

// Fills IeeeCommands, then ScpiCommands.
void BuildCommandLists(SharedState& state);

// "entry?" — the query form of a list entry.
QString QueryOf(const QString& entry);
// "entry value" — a setting; an empty value gives the entry alone.
QString SettingOf(const QString& entry, const QString& value);

} // namespace dalto
