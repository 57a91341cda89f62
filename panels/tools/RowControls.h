#pragma once
// How the tool panels name and make the controls of their command rows.

#include <QString>

class QPushButton;

namespace dalto {

// The objectName of a control-array member: "cmdGetSCPI(3)".
QString ArrayName(const char* name, int index);
// A Get or Set key named name, read out as caption and the row's caption.
QPushButton* RowButton(const QString& caption, const QString& name, const QString& rowCaption);

} // namespace dalto
