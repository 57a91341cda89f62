#pragma once

#include <dialix/ComponentError.h>
#include <dialix/dialix_export.h>

#include <QColor>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QTimer;
class QWheelEvent;

namespace dialix {
class KnobMotion;
class KnobRenderer;
class PropertyBag;
struct TwipsScale;
} // namespace dialix

// The rotary set-point knob: a square, self-drawing control that the user
// turns through several revolutions (Turns) between 0 and Max. Dragging
// raises Scroll; letting go, or assigning Value, raises Change;
// SetPositionNoEvent moves it silently. The mouse wheel turns it a hundredth
// of a turn per notch (a tenth with Shift) and raises Change once the wheel
// has rested. Hosts may drive it entirely by name
// through the meta-object system (properties, invokables, signals).
//
// Property accessors are not named after QWidget's own (enabled and
// friends): Enabled only gates the mouse and is independent of
// QWidget::isEnabled.
class DIALIX_EXPORT tavKnob : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ knobEnabled WRITE setKnobEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(float Max READ maximum WRITE setMaximum NOTIFY MaxChanged)
    Q_PROPERTY(float Min READ minimum WRITE setMinimum)
    Q_PROPERTY(bool Slot READ slot WRITE setSlot NOTIFY SlotChanged)
    Q_PROPERTY(int Turns READ turns WRITE setTurns NOTIFY TurnsChanged)
    Q_PROPERTY(float Value READ value WRITE setValue NOTIFY ValueChanged)
    Q_PROPERTY(float Stop READ stop WRITE setStop DESIGNABLE false STORED false)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor NOTIFY BackColorChanged)

public:
    static constexpr int kMaxTurns = 10;
    static constexpr int kRunTimeSetError = 382;

    // Shows a message to the user; replaceable so that hosts and tests can
    // capture what would be asked.
    using MessageBox = std::function<void(const QString& text, const QString& title)>;
    // Receives the errors that an assignment made through Qt (a property
    // written by name, a slot, a queued call) reports instead of throwing.
    using ErrorHandler = std::function<void(const dialix::ComponentError& error)>;

    // A new instance with the defaults of a knob just dropped on a window.
    explicit tavKnob(QWidget* parent = nullptr);
    ~tavKnob() override;

    bool knobEnabled() const { return m_enabled; }
    void setKnobEnabled(bool enabled);
    float maximum() const;
    void setMaximum(float maximum);
    float minimum() const;
    // Refused: the lower end is always zero; tells the user so.
    void setMinimum(float minimum);
    bool slot() const { return m_slot; }
    // Design time only: in user mode the property stays as it was and error
    // 382 goes to the host (reportError), as for every assignment made
    // through the meta-object system.
    void setSlot(bool slot);
    // The same for a C++ caller that handles the refusal itself: throws
    // dialix::ComponentError 382 in user mode.
    void setSlotOrThrow(bool slot);
    int turns() const;
    // Design time only, like Slot; more than kMaxTurns is stored as kMaxTurns.
    void setTurns(int turns);
    void setTurnsOrThrow(int turns);
    // The highest value the user can turn the knob to, by mouse or wheel (a
    // host's safety ceiling below Max); infinity, the default, leaves Max as
    // the end. Not stored; SetPositionNoEvent and Value are not bound by it.
    float stop() const;
    void setStop(float stop);
    float value() const;
    // Moves the knob if the value is in range; raises Change either way.
    void setValue(float value);
    // The colour drawn around the knob, a system colour resolved against the
    // palette in force. Reading also repaints the knob.
    QColor backColor();
    void setBackColor(const QColor& colour);
    // A stored colour code: 0x00BBGGRR, or 0x80000000 + index for a system
    // colour, which is kept as such (0x8000000A is the active border).
    void setBackColor(quint32 code);
    quint32 backColorCode() const { return m_backColorCode; }

    Q_INVOKABLE QVariant SetPositionNoEvent(float vNewValue);
    Q_INVOKABLE void TransparentBlt();

    // The container's user mode: true while the program runs, false while
    // the knob is being designed. Design-time-only properties refuse
    // assignment in user mode.
    bool userMode() const { return m_userMode; }
    void setUserMode(bool running) { m_userMode = running; }

    void setMessageBox(MessageBox show) { m_messageBox = std::move(show); }
    // Without a handler a refusal is shown in a message box, as a component
    // host shows a run-time error.
    void setErrorHandler(ErrorHandler handler) { errorHandler_ = std::move(handler); }
    void reportError(const dialix::ComponentError& error) const;

    // Stored design-time properties, matched by key without regard to case.
    void InitProperties();
    void ReadProperties(const dialix::PropertyBag& bag);
    void WriteProperties(dialix::PropertyBag& bag) const;

    QSize sizeHint() const override;

signals:
    void Change();
    void Scroll();

    void EnabledChanged();
    void MaxChanged();
    void SlotChanged();
    void TurnsChanged();
    void ValueChanged();
    void BackColorChanged();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void requireDesignTime() const;
    void reportingErrors(const std::function<void()>& assign) const;
    void setBackColorCode(quint32 code);
    void resolveBackColor();
    void fitSquare();
    void compose(float knobAngle, bool dragPen, bool withFrame);
    void redraw(float knobAngle, bool dragPen, bool withFrame);
    void repaintKnob();
    void present();
    void pctKnob_MouseDown(const QPointF& position);
    void pctKnob_MouseMove(const QPointF& position);
    void pctKnob_MouseUp();
    void pctKnob_Wheel(const QWheelEvent& event);
    void wheelRested();

    QWidget* pctKnob;
    QLabel* pctPict;
    QWidget* pctBack;

    std::unique_ptr<dialix::TwipsScale> m_scale;
    std::unique_ptr<dialix::KnobMotion> m_motion;
    std::unique_ptr<dialix::KnobRenderer> m_renderer;
    bool m_enabled = true;
    bool m_slot = false;
    bool m_userMode = false;
    quint32 m_backColorCode = 0;
    // Set when something the picture shows changed without a redraw; the
    // next paint of pctKnob then redraws at the current value. Otherwise a
    // paint shows the last drawing as it is, drag frame included.
    bool m_surfaceStale = true;
    // The wheel: eighths of a degree not yet a whole notch, whether the notches
    // since the last rest turned the knob, and the rest that raises Change.
    int m_wheelEighths = 0;
    bool m_wheelTurned = false;
    QTimer* m_wheelRest;
    MessageBox m_messageBox;
    ErrorHandler errorHandler_;
};
