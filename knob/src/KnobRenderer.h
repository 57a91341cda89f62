#pragma once

#include "KnobGeometry.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <array>

namespace dialix {

// Draws the knob on its work surface: the fixed picture composed over the
// background colour through two key-colour masks, the slot line at an angle
// and the dotted drag frame. Every surface, mask, pen and painter is made
// once, so a redraw allocates nothing.
class KnobRenderer {
public:
    enum class Pen { Idle, Drag };

    // The colour of the picture's surround; every pixel of it is replaced by
    // the background colour.
    static const QRgb kKeyColour;

    // picture: the knob already laid over the key colour.
    explicit KnobRenderer(const QImage& picture);
    KnobRenderer(const KnobRenderer&) = delete;
    KnobRenderer& operator=(const KnobRenderer&) = delete;

    // The given picture with its transparent surround filled with the key colour.
    static QImage overKeyColour(const QImage& picture);

    void setGeometry(const KnobGeometry& geometry, const TwipsScale& scale);

    // A full redraw at a knob angle (0 = indicator up, clockwise).
    void redraw(float knobAngle, Pen pen, bool withSlot, bool withFrame, const QColor& back);

    // The picture over the background, nothing else.
    void transparentBlt(const QColor& back);

    const QImage& workSurface() const { return m_work; }

private:
    // dx, dy: the slot's half length along each axis, twips.
    void drawSlot(int dx, int dy, Pen pen);
    void drawFrame();

    QImage m_picture;
    QImage m_work;
    QImage m_image;
    QImage m_mask;        // white on the key colour, black on the knob
    QImage m_inverseMask; // black on the key colour, white on the knob
    QPen m_idlePen;
    QPen m_dragPen;
    QPen m_framePen;
    QPainter m_workPainter; // for the lines; kept open for the knob's life

    KnobGeometry m_geometry;
    TwipsScale m_scale;
    std::array<QPoint, 3> m_frameLowerLeft;
    std::array<QPoint, 3> m_frameUpperRight;
};

} // namespace dialix
