#pragma once
// What the Calibration panel decides without a widget: the access level a pass
// code opens, the hardware revision in the network module's version reply, and
// one step of a held Up or Down key on a pot.

#include <QString>
#include <optional>

namespace dalto {

enum class CalibrationAccess { None, Pots, Factory };

inline const QString PotAccessCode = QStringLiteral("7351");
inline const QString FactoryAccessCode = QStringLiteral("2468");

// Exact match only: case and blanks count.
CalibrationAccess AccessForCode(const QString& code);
bool OpensPots(CalibrationAccess access);
bool OpensFactory(CalibrationAccess access);

// The trimmed text after "Hardware Rev."; empty optional when the reply has no
// such marker (the box then keeps what it shows).
std::optional<QString> HardwareRevisionIn(const QString& reply);

inline constexpr int PotMaximum = 255;

// The box text after one step: its leading number rounded, plus or minus one
// within 0..PotMaximum. At a limit, or when the number does not fit, the text
// stays as it is.
QString SteppedPot(const QString& text, bool up);

} // namespace dalto
