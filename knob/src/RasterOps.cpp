#include "RasterOps.h"

#include <algorithm>

namespace dialix {

namespace {
constexpr quint32 kOpaque = 0xFF000000u;

template <typename Op>
void combine(QImage& dest, const QImage& source, Op op)
{
    const int width = std::min(dest.width(), source.width());
    const int height = std::min(dest.height(), source.height());
    // One access to the pixels each: every per-line access checks for
    // detaching and cache hooks.
    uchar* destLine = dest.bits();
    const uchar* sourceLine = source.constBits();
    for (int y = 0; y < height; ++y) {
        auto* d = reinterpret_cast<quint32*>(destLine);
        const auto* s = reinterpret_cast<const quint32*>(sourceLine);
        for (int x = 0; x < width; ++x)
            d[x] = op(d[x], s[x]) | kOpaque;
        destLine += dest.bytesPerLine();
        sourceLine += source.bytesPerLine();
    }
}
} // namespace

void copySurface(QImage& dest, const QImage& source)
{
    combine(dest, source, [](quint32, quint32 s) { return s; });
}

void andSurface(QImage& dest, const QImage& source)
{
    combine(dest, source, [](quint32 d, quint32 s) { return d & s; });
}

void xorSurface(QImage& dest, const QImage& source)
{
    combine(dest, source, [](quint32 d, quint32 s) { return d ^ s; });
}

} // namespace dialix
