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
    for (int y = 0; y < height; ++y) {
        auto* d = reinterpret_cast<quint32*>(dest.scanLine(y));
        const auto* s = reinterpret_cast<const quint32*>(source.constScanLine(y));
        for (int x = 0; x < width; ++x)
            d[x] = op(d[x], s[x]) | kOpaque;
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
