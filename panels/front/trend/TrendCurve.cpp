#include "TrendCurve.h"

#include <QChart>
#include <QLineSeries>
#include <QPainter>

namespace dalto::front::trend {

namespace {
// Below the chart's own series (the status marks), above its grid and axes.
constexpr qreal CurveZ = 3.5;
} // namespace

TrendCurve::TrendCurve(QChart& chart, QLineSeries& series)
    : QGraphicsItem(&chart), chart_(chart), series_(series), area_(chart.plotArea())
{
    setZValue(CurveZ);
}

void TrendCurve::setRuns(TrendRuns runs)
{
    runs_ = std::move(runs);
    update();
}

qsizetype TrendCurve::pointCount() const
{
    qsizetype count = 0;
    for (const QList<QPointF>& run : runs_)
        count += run.size();
    return count;
}

void TrendCurve::followPlotArea()
{
    prepareGeometryChange();
    area_ = chart_.plotArea();
}

QRectF TrendCurve::boundingRect() const
{
    return area_;
}

void TrendCurve::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    painter->setClipRect(chart_.plotArea());
    painter->setPen(series_.pen());
    QPolygonF line;
    for (const QList<QPointF>& run : runs_) {
        line.clear();
        line.reserve(run.size());
        for (const QPointF& point : run)
            line.append(chart_.mapToPosition(point, &series_));
        if (line.size() == 1)
            painter->drawPoint(line.front()); // a lone reading between two gaps
        else
            painter->drawPolyline(line);
    }
    painter->restore();
}

} // namespace dalto::front::trend
