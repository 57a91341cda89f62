#pragma once
// The chart view of the trend window with the gestures a plot needs: drag with
// the left button to zoom into a stretch of time, turn the wheel to zoom around
// the pointer, drag with the right button (or press the arrow keys) to pan, and
// a readout of the time under the pointer.

#include <QChartView>
#include <optional>

class QValueAxis;

namespace dalto::front::trend {

class TrendChartView : public QChartView {
    Q_OBJECT
public:
    TrendChartView(QChart* chart, QValueAxis& timeAxis, QWidget* parent = nullptr);

    // Zooms the time axis by factor (below 1 zooms in) around the time at.
    void zoomTime(double factor, double at);
    // Moves the time axis by a share of its width (negative: back in time).
    void panTime(double share);

signals:
    // The time (seconds since the session started) under the pointer.
    void cursorMoved(double seconds);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double timeAt(const QPointF& viewPosition) const;

    QValueAxis& timeAxis_;
    std::optional<QPointF> panFrom_;
};

} // namespace dalto::front::trend
