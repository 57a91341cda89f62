#pragma once
// What the HBX menu engine needs from the window it runs on (frmHBX). The window
// implements this; the engine never touches a widget.

#include "panels/front/menu/PanelHost.h"

#include <QString>

namespace dalto::front::hbx {

using menu::LampColour;
using menu::ReadOut;

// The four lamp collections; a lamp is addressed by its key in the collection
// (SetPointLamps 8, 10, 0, 1; ConfigLamps 0..7; FaultLamps 0..5, 8, 9;
// ModeLamps 0 (ARM), 3, 4, 6, 7, 8, 9, 10).
enum class LampSet { SetPoint, Config, Fault, Mode };

class HbxMenuHost : public virtual menu::PanelHost {
public:
    // txtMEM, the one-digit memory display.
    virtual void setMemoryText(const QString& text) = 0;

    // txtInput, the keypad entry display. Every change of it calls
    // HbxMenu::txtInput_Change but those made by setInputText, which puts the
    // caret at the end (the engine has already applied the entry rules to the
    // text it sets).
    virtual QString inputText() const = 0;
    virtual void setInputText(const QString& text) = 0;

    virtual void setLamp(LampSet set, int key, LampColour colour) = 0;
    // Every lamp of one collection off.
    virtual void lampsOff(LampSet set) = 0;

    // Both knobs to DeviceState[0] and [1] without an event. (Status bit 0 of
    // StatusBitShown is the armed output.)
    virtual void placeKnobs() = 0;
};

} // namespace dalto::front::hbx
