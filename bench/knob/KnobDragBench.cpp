// Cost of one drag step of the knob: the mouse move, the redraw on the work
// surface, and the stretched copy onto the visible square. Each benchmark
// reports heap allocations per step beside its time.
#include "AllocationCounter.h"

#include "KnobGeometry.h"
#include "KnobMotion.h"
#include "KnobRenderer.h"
#include "Twips.h"

#include <dialix/PropertyBag.h>
#include <dialix/tavKnob.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {
constexpr int kPanelSide = 96; // one inch: the knob's default size
constexpr int kLargeSide = 400;
constexpr int kStepsPerTurn = 180;

// Pointer positions once round the knob, clockwise, inside the hit radius.
std::vector<QPoint> circleOfPositions(int side)
{
    std::vector<QPoint> positions;
    const double centre = side / 2.0 - 2.0;
    for (int i = 0; i < kStepsPerTurn; ++i) {
        const double angle = 2.0 * M_PI * i / kStepsPerTurn;
        positions.emplace_back(qRound(centre - 0.6 * centre * std::cos(angle)),
                               qRound(centre - 0.6 * centre * std::sin(angle)));
    }
    return positions;
}

void reportAllocations(benchmark::State& state, std::size_t before)
{
    state.counters["allocs/step"] = benchmark::Counter(
        static_cast<double>(allocation_counter::count() - before), benchmark::Counter::kAvgIterations);
}

// The knob's own work per step: the turn arithmetic and the full redraw with
// slot and frame. Nothing here may allocate.
void BM_KnobRedrawStep(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    const dialix::TwipsScale scale;
    const QImage picture = dialix::KnobRenderer::overKeyColour(QImage(QStringLiteral(":/dialix/knob.png")));
    dialix::KnobRenderer renderer(picture);
    const auto geometry = dialix::KnobGeometry::forSizes(scale.toTwipsX(side), scale.toTwipsX(picture.width()), scale);
    renderer.setGeometry(geometry, scale);
    dialix::KnobMotion motion;
    motion.setMaximum(100.0f);
    motion.setTurns(10);
    motion.setCentre(geometry.centreX, geometry.centreY, geometry.hitRadius);
    const auto positions = circleOfPositions(side);
    motion.press(scale.toTwipsX(positions[0].x()), scale.toTwipsY(positions[0].y()));
    const QColor back(Qt::lightGray);
    // The painter makes its dash stroker on the first dotted line; that is
    // creation, not a step.
    renderer.redraw(0.0f, dialix::KnobRenderer::Pen::Drag, true, true, back);

    std::size_t step = 1;
    const std::size_t before = allocation_counter::count();
    for (auto _ : state) {
        const QPoint p = positions[step++ % positions.size()];
        const auto angle = motion.move(scale.toTwipsX(p.x()), scale.toTwipsY(p.y()));
        renderer.redraw(angle.value_or(0.0f), dialix::KnobRenderer::Pen::Drag, true, true, back);
        benchmark::DoNotOptimize(renderer.workSurface().constBits());
    }
    reportAllocations(state, before);
}

// Sends a move to the widget and paints it at once, as a drag does on screen.
void dragStep(QWidget& widget, QPoint position)
{
    QMouseEvent move(QEvent::MouseMove, position, widget.mapToGlobal(position), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
    widget.repaint();
}

// One whole drag step of a shown knob: event, redraw, present.
void BM_KnobDragStep(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    tavKnob knob;
    dialix::PropertyBag stored;
    stored.write(QStringLiteral("Turns"), 10);
    knob.ReadProperties(stored);
    knob.resize(side, side);
    knob.show();
    QWidget& face = *knob.findChild<QWidget*>(QStringLiteral("pctKnob"));
    const auto positions = circleOfPositions(side);
    QMouseEvent press(QEvent::MouseButtonPress, positions[0], face.mapToGlobal(positions[0]), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&face, &press);
    dragStep(face, positions[1]);
    QCoreApplication::processEvents();

    std::size_t step = 2;
    const std::size_t before = allocation_counter::count();
    for (auto _ : state)
        dragStep(face, positions[step++ % positions.size()]);
    reportAllocations(state, before);
}

// The same event and paint on a widget that only fills itself: what Qt's own
// event delivery and painting cost, for comparison with the knob's step.
class PlainWidget : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::lightGray); }
};

void BM_QtEventAndPaintOnly(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    PlainWidget widget;
    widget.resize(side, side);
    widget.show();
    QCoreApplication::processEvents();
    const auto positions = circleOfPositions(side);

    std::size_t step = 1;
    const std::size_t before = allocation_counter::count();
    for (auto _ : state)
        dragStep(widget, positions[step++ % positions.size()]);
    reportAllocations(state, before);
}
} // namespace

BENCHMARK(BM_KnobRedrawStep)->Arg(kPanelSide)->Arg(kLargeSide);
BENCHMARK(BM_KnobDragStep)->Arg(kPanelSide)->Arg(kLargeSide);
BENCHMARK(BM_QtEventAndPaintOnly)->Arg(kPanelSide)->Arg(kLargeSide);
