#pragma once
// A label for text the program does not write itself (a device's reply, an address
// or a port name from the settings): shown as it is, never taken for markup.

#include "Named.h"

#include <QLabel>

namespace dalto {

inline QLabel* PlainLabel(QWidget* parent, const QString& name, const QString& text = {})
{
    QLabel* label = Named(new QLabel(text, parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace dalto
