#include "KnobRenderer.h"

#include "KnobAngles.h"
#include "RasterOps.h"

#include <cmath>

namespace dialix {

const QRgb KnobRenderer::kKeyColour = qRgb(255, 128, 255);

namespace {
constexpr int kSlotWidthPixels = 6;

QImage keyMask(const QImage& picture, Qt::MaskMode mode)
{
    QImage mask = picture.createMaskFromColor(KnobRenderer::kKeyColour, mode);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    return mask.convertToFormat(QImage::Format_RGB32);
}

QPen slotPen(const QColor& colour)
{
    // Flat ends, so that the line stops exactly where the inset says.
    return QPen(colour, kSlotWidthPixels, Qt::SolidLine, Qt::FlatCap);
}
} // namespace

QImage KnobRenderer::overKeyColour(const QImage& picture)
{
    QImage result(picture.size(), QImage::Format_RGB32);
    result.fill(kKeyColour);
    QPainter painter(&result);
    painter.drawImage(0, 0, picture);
    return result;
}

KnobRenderer::KnobRenderer(const QImage& picture)
    : m_picture(picture.convertToFormat(QImage::Format_RGB32))
    , m_work(m_picture.size(), QImage::Format_RGB32)
    , m_image(m_picture.size(), QImage::Format_RGB32)
    , m_mask(keyMask(m_picture, Qt::MaskInColor))
    , m_inverseMask(keyMask(m_picture, Qt::MaskOutColor))
    , m_idlePen(slotPen(Qt::black))
    , m_dragPen(slotPen(QColor(0, 192, 192)))
    , m_framePen(Qt::black, 1, Qt::DotLine)
    , m_workPainter(&m_work)
{
}

void KnobRenderer::setGeometry(const KnobGeometry& geometry, const TwipsScale& scale)
{
    m_geometry = geometry;
    m_scale = scale;
    const int w = geometry.framePixelsWide;
    const int h = geometry.framePixelsHigh;
    m_frameLowerLeft = {QPoint(0, 0), QPoint(0, h), QPoint(w, h)};
    m_frameUpperRight = {QPoint(0, 0), QPoint(w, 0), QPoint(w, h)};
}

void KnobRenderer::redraw(float knobAngle, Pen pen, bool withSlot, bool withFrame, const QColor& back)
{
    const double phi = static_cast<double>(knobAngle) - kHalfPi;
    const int dx = roundToInt((m_geometry.pictureCentreX - m_geometry.insetX) * std::cos(phi));
    const int dy = roundToInt((m_geometry.pictureCentreY - m_geometry.insetY) * std::sin(phi));
    transparentBlt(back);
    if (withSlot)
        drawSlot(dx, dy, pen);
    if (withFrame)
        drawFrame();
}

void KnobRenderer::transparentBlt(const QColor& back)
{
    // Background everywhere, then black where the knob goes.
    m_work.fill(back);
    andSurface(m_work, m_mask);
    // The knob on black, so that XOR lays it into the black hole.
    copySurface(m_image, m_picture);
    andSurface(m_image, m_inverseMask);
    xorSurface(m_work, m_image);
}

void KnobRenderer::drawSlot(int dx, int dy, Pen pen)
{
    const int px = m_geometry.pictureCentreX;
    const int py = m_geometry.pictureCentreY;
    m_workPainter.setPen(pen == Pen::Drag ? m_dragPen : m_idlePen);
    m_workPainter.drawLine(QPoint(m_scale.toPixelsX(px - dx), m_scale.toPixelsY(py - dy)),
                           QPoint(m_scale.toPixelsX(px + dx), m_scale.toPixelsY(py + dy)));
}

void KnobRenderer::drawFrame()
{
    m_workPainter.setPen(m_framePen);
    m_workPainter.drawPolyline(m_frameLowerLeft.data(), static_cast<int>(m_frameLowerLeft.size()));
    m_workPainter.drawPolyline(m_frameUpperRight.data(), static_cast<int>(m_frameUpperRight.size()));
}

} // namespace dialix
