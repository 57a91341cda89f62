#pragma once
// The trend window of a front panel: the measured voltage and current of the
// panel's own polls against time, with the status events marked along the time
// axis. It records every reading in its log (exported as CSV, the plot as PNG or
// SVG) and draws the last 1, 5 or 30 minutes or everything, following the newest
// reading or held still (Pause) while the user zooms and pans. The value axes
// follow the readings in view, or show the ratings' full scale (Full Scale); the
// curves break off where readings are missing. It is a tool window of its panel:
// it stays in front of the panel and goes with it.

#include "TrendLog.h"
#include "TrendSpan.h"

#include <QWidget>
#include <map>

class QCheckBox;
class QChart;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QValueAxis;

namespace dalto {
struct AppContext;
}

namespace dalto::front {
struct StatusReading;
}

namespace dalto::front::trend {

class TrendChartView;
class TrendCurve;

struct TrendRatings {
    double volts = 0;
    double amps = 0;
};

class TrendWindow : public QWidget {
    Q_OBJECT
public:
    // pollSeconds: the time between two polls of the panel.
    TrendWindow(AppContext& context, const TrendRatings& ratings, double pollSeconds, QWidget* parent = nullptr,
                std::size_t capacity = TrendLog::DefaultCapacity);

    // One poll's result, taken at clockSeconds (the Clock service's time).
    void addReading(double clockSeconds, const StatusReading& reading);
    // A poll at clockSeconds that measured nothing (Simulated mode): the plot
    // moves on and shows the gap.
    void passTime(double clockSeconds);
    const TrendLog& log() const { return log_; }

    void exportCsv();
    void exportPlot();
    // The readout of the reading nearest to seconds, in the panel's number
    // formats; none inside a gap of the curves.
    void showCursor(double seconds);

    QComboBox* cboWindow;
    QCheckBox* chkFollow;
    QCheckBox* chkPause;
    QPushButton* cmdFullScale;
    QPushButton* cmdExportCsv;
    QPushButton* cmdExportPlot;
    QLabel* lblCursor;
    QChart* chart;
    TrendChartView* chartView;
    QValueAxis* timeAxis;
    QValueAxis* voltAxis;
    QValueAxis* ampAxis;
    QLineSeries* voltageSeries; // the legend entry and the pen of voltageCurve
    QLineSeries* currentSeries;
    TrendCurve* voltageCurve;
    TrendCurve* currentCurve;
    std::map<TrendMark, QScatterSeries*> markSeries;

private:
    void buildChart();
    QWidget* buildControls();
    TrendWindowLength windowLength() const;
    // Time axis to the followed span (when following), then the curves and marks
    // of what the time axis shows.
    void refresh();
    void drawSpan();
    void timeRangeChanged();
    // The readings' extent, or the full scale while Full Scale is down.
    void scaleValueAxis(QValueAxis& axis, const TrendRuns& runs, const TrendSpan& span, double rating);
    void scaleTimeAxis(const TrendSpan& span);
    // The longest time between two readings that a line may join.
    double longestStep() const;
    // Replaces path by bytes; a failure is reported.
    void save(const QString& path, const QByteArray& bytes, const QString& what);
    QByteArray plotPicture(bool svg);

    AppContext& context_;
    TrendRatings ratings_;
    double pollSeconds_;
    TrendLog log_;
    bool movingTime_ = false; // the time axis is set by the window, not by the user
};

} // namespace dalto::front::trend
