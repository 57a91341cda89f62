#include "frmHB.h"

#include "app/Application.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <dialix/tavKnob.h>

namespace dalto::front {

frmHB::frmHB(Application& app)
    : frmKD(app, PanelSeries::HB)
{
    knbOVP = makeKnob(QStringLiteral("knbOVP"), QStringLiteral("Over-voltage trip knob"), TripKnob);
    knbOCP = makeKnob(QStringLiteral("knbOCP"), QStringLiteral("Over-current trip knob"), TripKnob);
    addKnob(knbOVP, QStringLiteral("OVP"));
    addKnob(knbOCP, QStringLiteral("OCP"));

    const std::pair<int, const char*> captions[] = {{2, "PHASE"}, {3, "PGM LN"}, {4, "THERM"}, {8, "LOCK"}};
    for (const auto& [index, caption] : captions) {
        lblErrors[index]->setText(QString::fromLatin1(caption));
        lblErrors[index]->setAccessibleName(QString::fromLatin1(caption));
    }
    alarmLamps_->addWidget(addLamp(lblErrors, 5, QStringLiteral("FUSE"), 5), 4, 0);

    connect(knbOVP, &tavKnob::Scroll, this,
            [this] { knobScrolled(knbOVP, menu::ReadOut::Volt, state().VoltFormat); });
    connect(knbOCP, &tavKnob::Scroll, this,
            [this] { knobScrolled(knbOCP, menu::ReadOut::Curr, state().CurrFormat); });
    connect(knbOVP, &tavKnob::Change, this, [this] {
        knobChanged(knbOVP, menu::ReadOut::Volt, state().VoltFormat, QStringLiteral("VOLT:PROT "), 2);
    });
    connect(knbOCP, &tavKnob::Change, this, [this] {
        knobChanged(knbOCP, menu::ReadOut::Curr, state().CurrFormat, QStringLiteral("CURR:PROT "), 3);
    });
}

tavKnob* frmHB::knobFor(int index) const
{
    return index == 2 ? knbOVP : index == 3 ? knbOCP : frmKD::knobFor(index);
}

void frmHB::wireClearKey()
{
    connect(cmdClear, &QPushButton::clicked, this, &frmHB::cmdClear_Click, Qt::UniqueConnection);
}

void frmHB::cmdClear_Click()
{
    menuEngine().ClearKeyAction();
    placeKnobs();
}

} // namespace dalto::front
