#include "FrontPanelStyle.h"

namespace dalto::front {

QString FrontPanelStyleSheet()
{
    // A read-out holds ten characters (a value in the general number form); a
    // key is at least as wide as "CURRENT" in its font, since the stylesheet's
    // minimum width is also the least a layout gives it.
    return QStringLiteral(R"(
QFrame#face { background: #24262a; }
QFrame#face QLabel { color: #d8d8d8; font-family: "Arial Narrow", "Liberation Sans Narrow", sans-serif; font-size: 9pt; }
QFrame#face QLabel[caption="group"] { color: #9fb4c8; font-weight: bold; }
QFrame#face QFrame[plate="true"] { background: #2e3136; border: 1px solid #3c4046; border-radius: 6px; }
QFrame#face QLineEdit { background: #050805; color: #5cff6a; border: 2px inset #101410; border-radius: 3px;
    font-family: "DejaVu Sans Mono", monospace; font-size: 26pt; font-weight: bold; padding: 2px 6px;
    min-width: 5.5em; }
QFrame#face QLineEdit#txtMEM { min-width: 1em; max-width: 1em; }
QFrame#face QLineEdit#txtInput { color: #ffc850; font-size: 18pt; min-width: 4.5em; }
QFrame#face QPushButton { background: #4a4e55; color: #f0f0f0; border: 1px solid #15171a; border-radius: 4px;
    min-width: 5em; min-height: 26px; padding: 0 6px; font-family: Arial, sans-serif; font-size: 8pt; font-weight: bold; }
QFrame#face QPushButton:pressed, QFrame#face QPushButton:checked { background: #2c2f33; }
QFrame#face QPushButton:disabled { color: #7a7d82; }
QFrame#face QPushButton#cmdStart { background: #2f6b34; }
QFrame#face QPushButton#cmdStop { background: #8a2a26; }
QFrame#face QPushButton:focus { border: 1px solid #9fb4c8; }
)");
}

} // namespace dalto::front
