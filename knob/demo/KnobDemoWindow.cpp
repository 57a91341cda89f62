#include "KnobDemoWindow.h"

#include <dialix/PropertyBag.h>
#include <dialix/tavKnob.h>

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

KnobDemoWindow::KnobDemoWindow(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(tr("Dialix knobs"));
    new QGridLayout(this);
    addKnob(0, tr("VOLTAGE (10 turns)"), 10, false, 100.0f);
    addKnob(1, tr("CURRENT (10 turns)"), 10, false, 20.0f);
    addKnob(2, tr("OVP (5 turns, slot)"), 5, true, 100.0f);
}

void KnobDemoWindow::addKnob(int column, const QString& caption, int turns, bool slot, float maximum)
{
    auto* grid = static_cast<QGridLayout*>(layout());

    // The knob comes as the window would store it, then the program runs.
    dialix::PropertyBag stored;
    stored.write(QStringLiteral("Turns"), turns);
    stored.write(QStringLiteral("Slot"), slot);
    auto* knob = new tavKnob(this);
    knob->ReadProperties(stored);
    knob->setUserMode(true);
    knob->setMaximum(maximum);
    knob->resize(120, 120);
    knob->setFixedSize(knob->size());

    auto* value = new QLabel(this);
    auto* event = new QLabel(this);
    auto* enabled = new QCheckBox(tr("Enabled"), this);
    enabled->setChecked(knob->knobEnabled());

    const auto show = [knob, value, event](const QString& name) {
        value->setText(QString::number(knob->value(), 'f', 2));
        event->setText(name);
    };
    connect(knob, &tavKnob::Scroll, this, [show] { show(QStringLiteral("Scroll")); });
    connect(knob, &tavKnob::Change, this, [show] { show(QStringLiteral("Change")); });
    connect(enabled, &QCheckBox::toggled, knob, &tavKnob::setKnobEnabled);
    show(QString());

    grid->addWidget(new QLabel(caption, this), 0, column);
    grid->addWidget(knob, 1, column);
    grid->addWidget(value, 2, column);
    grid->addWidget(event, 3, column);
    grid->addWidget(enabled, 4, column);
}
