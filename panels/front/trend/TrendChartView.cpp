#include "TrendChartView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QValueAxis>
#include <QWheelEvent>
#include <cmath>

namespace dalto::front::trend {

namespace {
constexpr double WheelZoomStep = 0.8;
constexpr double KeyPanShare = 0.1;
} // namespace

TrendChartView::TrendChartView(QChart* chart, QValueAxis& timeAxis, QWidget* parent)
    : QChartView(chart, parent), timeAxis_(timeAxis)
{
    setRubberBand(QChartView::HorizontalRubberBand);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setRenderHint(QPainter::Antialiasing, false);
}

double TrendChartView::timeAt(const QPointF& viewPosition) const
{
    const QRectF area = chart()->plotArea();
    const QPointF scene = mapToScene(viewPosition.toPoint());
    const QPointF local = chart()->mapFromScene(scene);
    const double share = area.width() > 0 ? (local.x() - area.left()) / area.width() : 0;
    return timeAxis_.min() + share * (timeAxis_.max() - timeAxis_.min());
}

void TrendChartView::zoomTime(double factor, double at)
{
    const double from = at - (at - timeAxis_.min()) * factor;
    const double to = at + (timeAxis_.max() - at) * factor;
    if (to > from)
        timeAxis_.setRange(from, to);
}

void TrendChartView::panTime(double share)
{
    const double shift = share * (timeAxis_.max() - timeAxis_.min());
    timeAxis_.setRange(timeAxis_.min() + shift, timeAxis_.max() + shift);
}

void TrendChartView::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0)
        zoomTime(std::pow(WheelZoomStep, steps), timeAt(event->position()));
    event->accept();
}

void TrendChartView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        panFrom_ = event->position();
        event->accept();
        return;
    }
    QChartView::mousePressEvent(event);
}

void TrendChartView::mouseMoveEvent(QMouseEvent* event)
{
    if (chart()->plotArea().contains(chart()->mapFromScene(mapToScene(event->position().toPoint()))))
        emit cursorMoved(timeAt(event->position()));
    if (panFrom_) {
        const double width = chart()->plotArea().width();
        if (width > 0)
            panTime((panFrom_->x() - event->position().x()) / width);
        panFrom_ = event->position();
        event->accept();
        return;
    }
    QChartView::mouseMoveEvent(event);
}

void TrendChartView::mouseReleaseEvent(QMouseEvent* event)
{
    // The right button pans here; it does not zoom out as in a plain chart view.
    if (event->button() == Qt::RightButton) {
        panFrom_.reset();
        event->accept();
        return;
    }
    QChartView::mouseReleaseEvent(event);
}

void TrendChartView::keyPressEvent(QKeyEvent* event)
{
    const double middle = (timeAxis_.min() + timeAxis_.max()) / 2;
    switch (event->key()) {
    case Qt::Key_Left: panTime(-KeyPanShare); break;
    case Qt::Key_Right: panTime(KeyPanShare); break;
    case Qt::Key_Plus: zoomTime(WheelZoomStep, middle); break;
    case Qt::Key_Minus: zoomTime(1 / WheelZoomStep, middle); break;
    default: QChartView::keyPressEvent(event); return;
    }
    event->accept();
}

} // namespace dalto::front::trend
