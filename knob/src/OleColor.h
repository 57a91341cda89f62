#pragma once

#include <QColor>
#include <QPalette>

namespace dialix {

// Stored colours are 32-bit codes: 0x00BBGGRR for a plain colour, or
// 0x80000000 + index for one of the system's colours, which is only known
// when it is shown.
inline constexpr quint32 kSystemColourFlag = 0x80000000u;
inline constexpr quint32 kActiveBorderColour = kSystemColourFlag | 0x0Au;

QColor colorFromOle(quint32 code, const QPalette& system);
quint32 oleFromColor(const QColor& colour);

} // namespace dialix
