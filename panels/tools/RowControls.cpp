#include "RowControls.h"

#include <QPushButton>

namespace dalto {

QString ArrayName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QPushButton* RowButton(const QString& caption, const QString& name, const QString& rowCaption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAccessibleName(caption + QLatin1Char(' ') + rowCaption);
    return button;
}

} // namespace dalto
