#include "FrontPanelControls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dalto::front {

void Name(QWidget* widget, const QString& name, const QString& accessible)
{
    widget->setObjectName(name);
    widget->setAccessibleName(accessible);
}

QLabel* Caption(const QString& name, const QString& text, bool group)
{
    auto* label = new QLabel(text);
    Name(label, name, text);
    label->setAlignment(Qt::AlignCenter);
    if (group)
        label->setProperty("caption", "group");
    return label;
}

QPushButton* Key(const QString& name, const QString& text, const QString& accessible)
{
    auto* key = new QPushButton(text);
    Name(key, name, accessible);
    key->setAutoDefault(false);
    return key;
}

QFrame* Plate(const QString& name)
{
    auto* plate = new QFrame;
    if (!name.isEmpty())
        plate->setObjectName(name);
    plate->setProperty("plate", true);
    return plate;
}

QLineEdit* ReadOutBox(const QString& name, const QString& accessible, const QString& text)
{
    auto* box = new QLineEdit(text);
    Name(box, name, accessible);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

QVBoxLayout* Captioned(QLabel* caption, QPushButton* key)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(caption);
    column->addWidget(key);
    return column;
}

} // namespace dalto::front
