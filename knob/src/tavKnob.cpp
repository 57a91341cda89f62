#include <dialix/tavKnob.h>

#include <dialix/ComponentError.h>

#include "KnobAngles.h"
#include "KnobGeometry.h"
#include "KnobMotion.h"
#include "KnobRenderer.h"
#include "OleColor.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

using dialix::KnobRenderer;

namespace {
constexpr double kMinimumSideTwips = 350.0;
// One notch of a wheel, in the eighths of a degree Qt reports, and how far it
// turns the knob: a hundredth of a turn, a tenth with Shift.
constexpr int kEighthsPerNotch = 120;
constexpr int kNotchesPerTurn = 100;
constexpr int kShiftNotchesPerTurn = 10;
// The wheel counts as stopped, like a released drag, after this long at rest.
constexpr int kWheelRestMs = 300;
constexpr double kDefaultSideTwips = 1440.0;

QImage knobPicture()
{
    return KnobRenderer::overKeyColour(QImage(QStringLiteral(":/dialix/knob.png")));
}

void showMessage(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}
} // namespace

tavKnob::tavKnob(QWidget* parent)
    : QWidget(parent)
    , pctKnob(new QWidget(this))
    , pctPict(new QLabel(this))
    , pctBack(new QWidget(this))
    , m_scale(std::make_unique<dialix::TwipsScale>(dialix::TwipsScale::ofScreen(screen())))
    , m_motion(std::make_unique<dialix::KnobMotion>())
    , m_wheelRest(new QTimer(this))
    , m_messageBox([this](const QString& text, const QString& title) { showMessage(this, text, title); })
{
    m_wheelRest->setSingleShot(true);
    m_wheelRest->setInterval(kWheelRestMs);
    connect(m_wheelRest, &QTimer::timeout, this, &tavKnob::wheelRested);

    pctKnob->setObjectName(QStringLiteral("pctKnob"));
    pctPict->setObjectName(QStringLiteral("pctPict"));
    pctBack->setObjectName(QStringLiteral("pctBack"));

    const QImage picture = knobPicture();
    pctPict->setPixmap(QPixmap::fromImage(picture));
    pctPict->resize(picture.size());
    pctPict->hide();
    pctBack->setAutoFillBackground(true);
    pctBack->hide();

    // pctKnob is drawn entirely from the work surface.
    pctKnob->setAttribute(Qt::WA_OpaquePaintEvent);
    pctKnob->installEventFilter(this);
    m_renderer = std::make_unique<KnobRenderer>(picture);

    InitProperties();
    resize(sizeHint());
    fitSquare();
}

tavKnob::~tavKnob() = default;

QSize tavKnob::sizeHint() const
{
    const int side = m_scale->toPixelsX(kDefaultSideTwips);
    return {side, side};
}

void tavKnob::setKnobEnabled(bool enabled)
{
    m_enabled = enabled;
    emit EnabledChanged();
}

float tavKnob::maximum() const { return m_motion->maximum(); }

void tavKnob::setMaximum(float maximum)
{
    m_motion->setMaximum(maximum);
    m_surfaceStale = true;
    emit MaxChanged();
}

float tavKnob::minimum() const { return m_motion->minimum(); }

void tavKnob::setMinimum(float)
{
    m_messageBox(QStringLiteral("Min value always zero"), QStringLiteral("Dialix - Knob"));
}

void tavKnob::requireDesignTime() const
{
    if (m_userMode)
        throw dialix::ComponentError(kRunTimeSetError, QStringLiteral("Let/Set not supported at run time."));
}

void tavKnob::reportError(const dialix::ComponentError& error) const
{
    if (errorHandler_) {
        errorHandler_(error);
        return;
    }
    m_messageBox(QStringLiteral("Run-time error '%1':\n\n%2").arg(error.number()).arg(error.description()),
                 QCoreApplication::applicationName());
}

void tavKnob::reportingErrors(const std::function<void()>& assign) const
{
    // An exception must not unwind through the event loop or the property
    // system that called the setter.
    try {
        assign();
    } catch (const dialix::ComponentError& error) {
        reportError(error);
    }
}

void tavKnob::setSlot(bool slot)
{
    reportingErrors([this, slot] { setSlotOrThrow(slot); });
}

void tavKnob::setSlotOrThrow(bool slot)
{
    requireDesignTime();
    m_slot = slot;
    m_surfaceStale = true;
    emit SlotChanged();
}

int tavKnob::turns() const { return m_motion->turns(); }

void tavKnob::setTurns(int turns)
{
    reportingErrors([this, turns] { setTurnsOrThrow(turns); });
}

void tavKnob::setTurnsOrThrow(int turns)
{
    requireDesignTime();
    m_motion->setTurns(std::min(turns, kMaxTurns));
    m_surfaceStale = true;
    emit TurnsChanged();
}

float tavKnob::stop() const { return m_motion->stop(); }

void tavKnob::setStop(float stop) { m_motion->setStop(stop); }

float tavKnob::value() const { return m_motion->value(); }

void tavKnob::setValue(float value)
{
    SetPositionNoEvent(value);
    emit Change();
}

QColor tavKnob::backColor()
{
    repaintKnob();
    return pctBack->palette().color(QPalette::Window);
}

void tavKnob::setBackColor(const QColor& colour)
{
    setBackColor(dialix::oleFromColor(colour));
}

void tavKnob::setBackColor(quint32 code)
{
    setBackColorCode(code);
    emit BackColorChanged();
}

void tavKnob::setBackColorCode(quint32 code)
{
    m_backColorCode = code;
    resolveBackColor();
}

void tavKnob::resolveBackColor()
{
    // pctBack holds the colour as drawn; the code is what is stored, so a
    // system colour follows the palette whenever it changes.
    QPalette palette = pctBack->palette();
    palette.setColor(QPalette::Window, dialix::colorFromOle(m_backColorCode, this->palette()));
    pctBack->setPalette(palette);
    m_surfaceStale = true;
}

QVariant tavKnob::SetPositionNoEvent(float vNewValue)
{
    if (m_motion->setPosition(vNewValue)) {
        emit ValueChanged();
        redraw(m_motion->angleOfValue(), false, false);
    }
    return {};
}

void tavKnob::TransparentBlt()
{
    m_renderer->transparentBlt(pctBack->palette().color(QPalette::Window));
    // Only the bare picture is on the work surface now; what is shown comes
    // from a full redraw.
    m_surfaceStale = true;
}

void tavKnob::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        resolveBackColor();
        repaintKnob();
    }
    QWidget::changeEvent(event);
}

void tavKnob::resizeEvent(QResizeEvent*)
{
    fitSquare();
}

void tavKnob::fitSquare()
{
    // The larger side wins, and the knob never gets too small to grab.
    const int minimumSide = static_cast<int>(std::ceil(kMinimumSideTwips / m_scale->perPixelX));
    const int side = std::max({width(), height(), minimumSide});
    if (width() != side || height() != side)
        resize(side, side);
    pctKnob->setGeometry(0, 0, side, side);

    const auto geometry = dialix::KnobGeometry::forSizes(m_scale->toTwipsX(side),
                                                         m_scale->toTwipsX(pctPict->width()), *m_scale);
    m_motion->setCentre(geometry.centreX, geometry.centreY, geometry.hitRadius);
    m_renderer->setGeometry(geometry, *m_scale);
    // The coming paint of the resized pctKnob draws the current value.
    m_surfaceStale = true;
}

void tavKnob::compose(float knobAngle, bool dragPen, bool withFrame)
{
    m_renderer->redraw(knobAngle, dragPen ? KnobRenderer::Pen::Drag : KnobRenderer::Pen::Idle, m_slot, withFrame,
                       pctBack->palette().color(QPalette::Window));
}

void tavKnob::redraw(float knobAngle, bool dragPen, bool withFrame)
{
    compose(knobAngle, dragPen, withFrame);
    m_surfaceStale = false;
    pctKnob->update();
}

void tavKnob::repaintKnob()
{
    m_surfaceStale = true;
    pctKnob->update();
}

void tavKnob::present()
{
    if (m_surfaceStale)
        compose(m_motion->angleOfValue(), m_motion->dragging(), false);
    m_surfaceStale = false;
    QPainter painter(pctKnob);
    painter.drawImage(pctKnob->rect(), m_renderer->workSurface());
}

bool tavKnob::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != pctKnob)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        present();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // the second press of a quick double grab
        pctKnob_MouseDown(static_cast<QMouseEvent*>(event)->position());
        return true;
    case QEvent::MouseMove:
        pctKnob_MouseMove(static_cast<QMouseEvent*>(event)->position());
        return true;
    case QEvent::MouseButtonRelease:
        pctKnob_MouseUp();
        return true;
    case QEvent::Wheel:
        pctKnob_Wheel(*static_cast<QWheelEvent*>(event));
        return true;
    default:
        return false;
    }
}

void tavKnob::pctKnob_MouseDown(const QPointF& position)
{
    if (!m_enabled || !m_motion->press(m_scale->toTwipsX(position.x()), m_scale->toTwipsY(position.y())))
        return;
    redraw(m_motion->angleOfValue(), true, true);
    emit Scroll();
}

void tavKnob::pctKnob_MouseMove(const QPointF& position)
{
    if (!m_enabled)
        return;
    const auto knobAngle = m_motion->move(m_scale->toTwipsX(position.x()), m_scale->toTwipsY(position.y()));
    if (!knobAngle)
        return;
    redraw(*knobAngle, true, true);
    emit Scroll();
}

void tavKnob::pctKnob_MouseUp()
{
    if (!m_enabled || !m_motion->release())
        return;
    redraw(m_motion->angleOfValue(), false, false);
    emit Change();
}

void tavKnob::pctKnob_Wheel(const QWheelEvent& event)
{
    if (!m_enabled || m_motion->dragging())
        return;
    // A wheel turned with Shift may arrive as a horizontal one.
    const QPoint delta = event.angleDelta();
    m_wheelEighths += delta.y() != 0 ? delta.y() : delta.x();
    const int notches = m_wheelEighths / kEighthsPerNotch;
    m_wheelEighths -= notches * kEighthsPerNotch;
    m_wheelRest->start();
    if (notches == 0)
        return;
    const int perTurn = event.modifiers() & Qt::ShiftModifier ? kShiftNotchesPerTurn : kNotchesPerTurn;
    const auto knobAngle = m_motion->turnBy(notches * dialix::kTwoPi / perTurn);
    if (!knobAngle)
        return;
    m_wheelTurned = true;
    redraw(*knobAngle, false, false);
    emit Scroll();
}

void tavKnob::wheelRested()
{
    const bool turned = m_wheelTurned;
    m_wheelTurned = false;
    m_wheelEighths = 0;
    // A drag begun meanwhile ends with its own Change; a disabled knob raises none.
    if (turned && m_enabled && !m_motion->dragging())
        emit Change();
}
