#pragma once
// Controls carry their member name as objectName, so tests and style sheets
// find them by the same name the code uses.

#include <QString>

namespace dalto {

template <typename Widget>
Widget* Named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace dalto
