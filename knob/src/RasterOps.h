#pragma once

#include <QImage>

namespace dialix {

// Whole-surface block operations on 32-bit RGB surfaces of equal size, as the
// knob's masks need them: plain copies, AND and XOR of the colour bits.
// Written out per scanline so that they neither allocate nor hand work to
// other threads. Every result pixel stays opaque.
void copySurface(QImage& dest, const QImage& source);
void andSurface(QImage& dest, const QImage& source);
void xorSurface(QImage& dest, const QImage& source);

} // namespace dialix
