#pragma once
// The front panel of the HB series: the KD panel with knobs for the two trip
// levels. Its menu has no trip-level menus, its CLEAR key acts on a plain click,
// and its OVT and OCT keys also move their knobs.

#include "frmKD.h"

namespace dalto::front {

class frmHB final : public frmKD {
    Q_OBJECT
public:
    explicit frmHB(Application& app);

    void cmdClear_Click();

    tavKnob* knbOVP;
    tavKnob* knbOCP;

protected:
    tavKnob* knobFor(int index) const override;
    void wireClearKey() override;
};

} // namespace dalto::front
