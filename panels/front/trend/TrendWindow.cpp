#include "TrendWindow.h"

#include "TrendChartView.h"
#include "TrendCsv.h"
#include "TrendCurve.h"
#include "TrendScale.h"
#include "core/AppContext.h"
#include "core/LegacyNumbers.h"
#include "core/PickFile.h"
#include "core/ReplaceFile.h"
#include "panels/front/StatusReply.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace dalto::front::trend {

namespace {
struct WindowChoice {
    const char* caption;
    TrendWindowLength length;
};
const WindowChoice WindowChoices[] = {
    {"1 min", 60.0}, {"5 min", 300.0}, {"30 min", 1800.0}, {"All", std::nullopt},
};

struct MarkStyle {
    TrendMark mark;
    QColor colour;
};
const MarkStyle MarkStyles[] = {
    {TrendMark::OutputOn, QColor(0, 160, 0)},
    {TrendMark::OutputOff, QColor(110, 110, 110)},
    {TrendMark::Trip, QColor(220, 0, 0)},
    {TrendMark::Fault, QColor(255, 128, 0)},
};

// A curve draws about one point per pixel of the plot's width (the lowest and
// highest reading of each two-pixel slice): more would not show, and the
// drawing cost grows with the points.
constexpr int FewestPointsPerCurve = 200;
constexpr double MarkSize = 9;
constexpr double UnratedScale = 1;
// About one tick per this many pixels of an axis, and never fewer than two intervals.
constexpr double PixelsPerValueTick = 50;
constexpr double PixelsPerTimeTick = 100;
constexpr int FewestIntervals = 2;
// The narrowest value axis: ten steps of the readings' resolution (thousandths).
constexpr double NarrowestScale = 0.01;

int IntervalsFor(double pixels, double pixelsPerTick)
{
    return std::max(FewestIntervals, int(pixels / pixelsPerTick));
}

// The axis's range and ticks. A range change lays the axis out at once: the step
// goes first when it grows and last when it shrinks, so that no layout in
// between meets a wide range divided by a small step (thousands of ticks).
void ApplyScale(QValueAxis& axis, double from, double to, double step, int decimals)
{
    const bool growing = step > axis.tickInterval();
    if (growing)
        axis.setTickInterval(step);
    axis.setRange(from, to);
    if (!growing)
        axis.setTickInterval(step);
    const QString format = QStringLiteral("%.%1f").arg(decimals);
    if (axis.labelFormat() != format)
        axis.setLabelFormat(format);
}

QValueAxis* MakeAxis(const QString& title, const QString& format, QColor colour)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(format);
    axis->setLabelsColor(colour);
    axis->setTitleBrush(colour);
    return axis;
}
} // namespace

TrendWindow::TrendWindow(AppContext& context, const TrendRatings& ratings, double pollSeconds, QWidget* parent,
                         std::size_t capacity)
    : QWidget(parent, Qt::Tool), context_(context), ratings_(ratings), pollSeconds_(pollSeconds), log_(capacity)
{
    setObjectName(QStringLiteral("frmTrend"));
    setWindowTitle(QStringLiteral("Trend"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildChart();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildControls());
    layout->addWidget(chartView, 1);
    resize(900, 520);
    refresh();
}

void TrendWindow::buildChart()
{
    chart = new QChart;
    chart->setObjectName(QStringLiteral("trendChart"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    voltageSeries = new QLineSeries;
    voltageSeries->setName(QStringLiteral("Voltage"));
    currentSeries = new QLineSeries;
    currentSeries->setName(QStringLiteral("Current"));
    chart->addSeries(voltageSeries);
    chart->addSeries(currentSeries);

    timeAxis = MakeAxis(QStringLiteral("Time (s)"), QStringLiteral("%.1f"), Qt::black);
    voltAxis = MakeAxis(QStringLiteral("Voltage (V)"), QStringLiteral("%.2f"), voltageSeries->color());
    ampAxis = MakeAxis(QStringLiteral("Current (A)"), QStringLiteral("%.2f"), currentSeries->color());
    chart->addAxis(timeAxis, Qt::AlignBottom);
    chart->addAxis(voltAxis, Qt::AlignLeft);
    chart->addAxis(ampAxis, Qt::AlignRight);
    voltageSeries->attachAxis(timeAxis);
    voltageSeries->attachAxis(voltAxis);
    currentSeries->attachAxis(timeAxis);
    currentSeries->attachAxis(ampAxis);
    for (QValueAxis* axis : {timeAxis, voltAxis, ampAxis}) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
    }

    // Marks sit on the time axis, at the foot of the voltage scale.
    for (const MarkStyle& style : MarkStyles) {
        auto* marks = new QScatterSeries;
        marks->setName(MarkName(style.mark));
        marks->setColor(style.colour);
        marks->setBorderColor(style.colour);
        marks->setMarkerSize(MarkSize);
        chart->addSeries(marks);
        marks->attachAxis(timeAxis);
        marks->attachAxis(voltAxis);
        markSeries[style.mark] = marks;
    }

    voltageCurve = new TrendCurve(*chart, *voltageSeries);
    currentCurve = new TrendCurve(*chart, *currentSeries);
    connect(chart, &QChart::plotAreaChanged, this, [this] {
        voltageCurve->followPlotArea();
        currentCurve->followPlotArea();
    });

    chartView = new TrendChartView(chart, *timeAxis);
    chartView->setObjectName(QStringLiteral("trendChartView"));
    chartView->setAccessibleName(QStringLiteral("Voltage and current against time"));
    connect(timeAxis, &QValueAxis::rangeChanged, this, &TrendWindow::timeRangeChanged);
    connect(chartView, &TrendChartView::cursorMoved, this, &TrendWindow::showCursor);
}

QWidget* TrendWindow::buildControls()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);

    cboWindow = new QComboBox;
    cboWindow->setObjectName(QStringLiteral("cboWindow"));
    cboWindow->setAccessibleName(QStringLiteral("Time window"));
    for (const WindowChoice& choice : WindowChoices)
        cboWindow->addItem(QLatin1String(choice.caption));
    chkFollow = new QCheckBox(QStringLiteral("Follow"));
    chkFollow->setObjectName(QStringLiteral("chkFollow"));
    chkFollow->setChecked(true);
    chkPause = new QCheckBox(QStringLiteral("Pause"));
    chkPause->setObjectName(QStringLiteral("chkPause"));
    cmdFullScale = new QPushButton(QStringLiteral("Full Scale"));
    cmdFullScale->setObjectName(QStringLiteral("cmdFullScale"));
    cmdFullScale->setCheckable(true);
    cmdFullScale->setToolTip(QStringLiteral("Show the ratings' full scale instead of following the readings"));
    cmdExportCsv = new QPushButton(QStringLiteral("Export CSV..."));
    cmdExportCsv->setObjectName(QStringLiteral("cmdExportCsv"));
    cmdExportPlot = new QPushButton(QStringLiteral("Export Plot..."));
    cmdExportPlot->setObjectName(QStringLiteral("cmdExportPlot"));
    lblCursor = new QLabel;
    lblCursor->setObjectName(QStringLiteral("lblCursor"));
    lblCursor->setAccessibleName(QStringLiteral("Reading under the pointer"));

    row->addWidget(new QLabel(QStringLiteral("Window:")));
    row->addWidget(cboWindow);
    row->addWidget(chkFollow);
    row->addWidget(chkPause);
    row->addWidget(cmdFullScale);
    row->addWidget(lblCursor, 1);
    row->addWidget(cmdExportCsv);
    row->addWidget(cmdExportPlot);

    connect(cboWindow, &QComboBox::currentIndexChanged, this, [this] {
        chkFollow->setChecked(true);
        refresh();
    });
    connect(chkFollow, &QCheckBox::toggled, this, &TrendWindow::refresh);
    connect(chkPause, &QCheckBox::toggled, this, &TrendWindow::refresh);
    connect(cmdFullScale, &QPushButton::toggled, this, &TrendWindow::drawSpan);
    connect(cmdExportCsv, &QPushButton::clicked, this, &TrendWindow::exportCsv);
    connect(cmdExportPlot, &QPushButton::clicked, this, &TrendWindow::exportPlot);
    return bar;
}

TrendWindowLength TrendWindow::windowLength() const
{
    const int index = std::clamp(cboWindow->currentIndex(), 0, int(std::size(WindowChoices)) - 1);
    return WindowChoices[index].length;
}

void TrendWindow::addReading(double clockSeconds, const StatusReading& reading)
{
    const auto volts = float(reading.voltage);
    const auto amps = float(reading.current);
    log_.append(clockSeconds, volts, amps, reading.statusWord, reading.faultWord);
    if (!chkPause->isChecked())
        refresh();
}

void TrendWindow::passTime(double clockSeconds)
{
    log_.passTime(clockSeconds);
    if (!chkPause->isChecked())
        refresh();
}

void TrendWindow::refresh()
{
    if (chkFollow->isChecked() && !chkPause->isChecked()) {
        movingTime_ = true;
        scaleTimeAxis(FollowSpan(log_, windowLength()));
        movingTime_ = false;
    }
    drawSpan();
}

void TrendWindow::timeRangeChanged()
{
    // A zoom or a pan by the user holds the view where the user put it.
    if (!movingTime_ && chkFollow->isChecked()) {
        const QSignalBlocker quiet(chkFollow);
        chkFollow->setChecked(false);
    }
    if (!movingTime_)
        drawSpan();
}

void TrendWindow::drawSpan()
{
    const TrendSpan span{timeAxis->min(), timeAxis->max()};
    const int maxPoints = std::max(FewestPointsPerCurve, int(chart->plotArea().width()));
    TrendPoints points = PointsIn(log_, span, maxPoints, longestStep());
    scaleTimeAxis(span); // after a zoom or pan by the user: the ticks follow the range
    scaleValueAxis(*voltAxis, points.volts, span, ratings_.volts);
    scaleValueAxis(*ampAxis, points.amps, span, ratings_.amps);
    voltageCurve->setRuns(std::move(points.volts));
    currentCurve->setRuns(std::move(points.amps));

    std::map<TrendMark, QList<QPointF>> marks;
    const double foot = voltAxis->min();
    for (const TrendMarkRecord& record : log_.marks())
        if (record.seconds >= span.from && record.seconds <= span.to)
            marks[record.mark].append({record.seconds, foot});
    for (const auto& [mark, series] : markSeries)
        series->replace(marks[mark]);
}

void TrendWindow::scaleTimeAxis(const TrendSpan& span)
{
    const double step = RoundStep(span.to - span.from, IntervalsFor(chart->plotArea().width(), PixelsPerTimeTick));
    ApplyScale(*timeAxis, span.from, span.to, step, DecimalsFor(step));
}

void TrendWindow::scaleValueAxis(QValueAxis& axis, const TrendRuns& runs, const TrendSpan& span, double rating)
{
    const int intervals = IntervalsFor(chart->plotArea().height(), PixelsPerValueTick);
    const std::optional<TrendExtent> extent = ExtentIn(runs, span);
    // A reading beyond the rating (trip headroom, a supply without ratings)
    // widens the full scale.
    const double top = std::max(rating > 0 ? rating : UnratedScale, extent ? extent->high : 0.0);
    const AxisScale scale = cmdFullScale->isChecked() || !extent
                                ? FullScale(top, intervals)
                                : FitScale(extent->low, extent->high, intervals, NarrowestScale);
    ApplyScale(axis, scale.from, scale.to, scale.step, scale.decimals);
}

double TrendWindow::longestStep() const
{
    return GapInPolls * pollSeconds_;
}

void TrendWindow::showCursor(double seconds)
{
    if (log_.empty()) {
        lblCursor->clear();
        return;
    }
    const TrendRecord& r = log_.at(log_.nearest(seconds));
    // Half way across a stretch that the curve leaves empty there is nothing to read.
    if (std::abs(r.seconds - seconds) > longestStep() / 2) {
        lblCursor->setText(QStringLiteral("%1 s   no reading").arg(seconds, 0, 'f', 1));
        return;
    }
    const SharedState& s = context_.state;
    lblCursor->setText(QStringLiteral("%1 s   %2 V   %3 A   %4")
                           .arg(r.seconds, 0, 'f', 1)
                           .arg(legacy::format(r.volts, s.VoltFormat), legacy::format(r.amps, s.CurrFormat),
                                DecodedFlags(r.status, r.fault)));
}

void TrendWindow::exportCsv()
{
    const QString path = PickFile(context_.prompts, QStringLiteral("Export Trend Data"),
                                  context_.paths.programFolder(), QStringLiteral("CSV Files"),
                                  QStringLiteral("*.csv"), QStringLiteral("save"));
    if (!path.isEmpty())
        save(path, TrendCsv(log_), QStringLiteral("trend data"));
}

void TrendWindow::exportPlot()
{
    const QString path = PickFile(context_.prompts, QStringLiteral("Export Trend Plot"),
                                  context_.paths.programFolder(), QStringLiteral("Pictures"),
                                  QStringLiteral("*.png;*.svg"), QStringLiteral("save"));
    if (path.isEmpty())
        return;
    const bool svg = QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    save(path, plotPicture(svg), QStringLiteral("trend plot"));
}

QByteArray TrendWindow::plotPicture(bool svg)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!svg) {
        chartView->grab().save(&buffer, "PNG");
        return bytes;
    }
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(chartView->size());
    generator.setViewBox(chartView->rect());
    generator.setTitle(windowTitle());
    QPainter painter(&generator);
    chartView->render(&painter);
    painter.end();
    return bytes;
}

void TrendWindow::save(const QString& path, const QByteArray& bytes, const QString& what)
{
    // The file dialog leaves the overwrite question to the program.
    if (QFileInfo::exists(path)
        && context_.prompts.message(QStringLiteral("File exists, are you sure you wish to overwrite it?"),
                                    ApplicationTitle, PromptButtons::OkCancel)
               != PromptAnswer::Ok)
        return;
    QString reason = bytes.isEmpty() ? QStringLiteral("Nothing could be drawn.") : ReplaceFile(path, bytes);
    if (!reason.isEmpty())
        context_.prompts.message(QStringLiteral("The %1 could not be saved to %2.\r\n%3").arg(what, path, reason),
                                 ApplicationTitle, PromptButtons::Ok, PromptIcon::Critical);
}

} // namespace dalto::front::trend
