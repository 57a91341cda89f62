#pragma once
// One measured curve of the trend plot, drawn run by run so that a stretch
// without readings stays empty: a chart line series joins every point to the
// next. The item lies over the plot area of its chart and draws in the axes and
// with the pen of series, which carries the curve's name in the legend.

#include "TrendSpan.h"

#include <QGraphicsItem>

class QChart;
class QLineSeries;

namespace dalto::front::trend {

class TrendCurve : public QGraphicsItem {
public:
    TrendCurve(QChart& chart, QLineSeries& series);

    void setRuns(TrendRuns runs);
    const TrendRuns& runs() const { return runs_; }
    // The points of all runs.
    qsizetype pointCount() const;
    // The plot area moved or changed its size.
    void followPlotArea();

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QChart& chart_;
    QLineSeries& series_;
    TrendRuns runs_;
    QRectF area_;
};

} // namespace dalto::front::trend
