#pragma once
// The controls every front-panel window is made of, made the same way on each:
// named (objectName = the control's name) and given an accessible name.

#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace dalto::front {

void Name(QWidget* widget, const QString& name, const QString& accessible);

// A centred caption; a group caption gets the group look.
QLabel* Caption(const QString& name, const QString& text, bool group = false);
QPushButton* Key(const QString& name, const QString& text, const QString& accessible);
// A raised plate that groups controls.
QFrame* Plate(const QString& name = QString());
// A read-only display-like read-out showing text.
QLineEdit* ReadOutBox(const QString& name, const QString& accessible,
                      const QString& text = QStringLiteral("0.0"));
// A key with its caption printed above it, as on the device.
QVBoxLayout* Captioned(QLabel* caption, QPushButton* key);

} // namespace dalto::front
