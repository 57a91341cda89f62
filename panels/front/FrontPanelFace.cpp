// The controls of the KD, MW and HB panels and their places: read-outs with their
// control lamps, the lamp groups, the knobs, the keys grouped as on the device,
// START and STOP, and the transcript below the face (shown in debug mode).
#include "frmKD.h"

#include "FrontPanelControls.h"
#include "FrontPanelStyle.h"
#include "protocol/StatusBitNames.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dalto::front {

void frmKD::buildFace()
{
    const bool hb = series_ == PanelSeries::HB;
    const bool groupCaptions = series_ != PanelSeries::KD;

    auto* face = new QFrame;
    face->setObjectName(QStringLiteral("face"));
    face->setStyleSheet(FrontPanelStyleSheet());
    face->setAutoFillBackground(true);

    // Read-outs, each with the lamp that says which quantity is in control.
    auto* displays = Plate();
    addReadOuts(*new QGridLayout(displays));

    // Lamps: configuration, mode and alarms.
    Label11 = Caption(QStringLiteral("Label11"), QStringLiteral("CONFIGURATION"), true);
    Label9 = Caption(QStringLiteral("Label9"), QStringLiteral("MODE"), true);
    Label12 = Caption(QStringLiteral("Label12"), QStringLiteral("ALARMS"), true);
    Label11->setVisible(groupCaptions);
    Label9->setVisible(groupCaptions);
    Label12->setVisible(hb);
    auto* lamps = Plate();
    auto* lampGrid = new QGridLayout(lamps);
    lampGrid->addWidget(Label11, 0, 0);
    int row = 1;
    for (const int bit : {9, 3, 4})
        lampGrid->addWidget(addLamp(lblStatus, bit, statusbits::StatusLampCaption(bit), bit), row++, 0);
    lampGrid->addWidget(addLamp(lblDisabled, 0, QStringLiteral("ROTARY"), -1), row++, 0);
    lampGrid->addWidget(addLamp(lblDisabled, 1, QStringLiteral("EXT PGM"), -1), row++, 0);
    lampGrid->addWidget(addLamp(lblDisabled, 2, statusbits::FaultLampCaption(9), 9), row++, 0);
    lampGrid->addWidget(Label9, 0, 1);
    lampGrid->addWidget(addLamp(lblStatus, 6, statusbits::StatusLampCaption(6), 6), 1, 1);
    lampGrid->addWidget(addLamp(lblStatus, 7, statusbits::StatusLampCaption(7), 7), 2, 1);
    alarmLamps_ = new QGridLayout;
    alarmLamps_->addWidget(Label12, 0, 0, 1, 2);
    int alarm = 0;
    for (const int bit : {0, 1, 2, 3, 4, 8}) {
        alarmLamps_->addWidget(addLamp(lblErrors, bit, statusbits::FaultLampCaption(bit), bit), 1 + alarm / 2,
                               alarm % 2);
        ++alarm;
    }
    lampGrid->addLayout(alarmLamps_, 0, 2, row, 1);

    // Keys: set points, menu, hold (or arrows while editing).
    cmdVolt = Key(QStringLiteral("cmdVolt"), QStringLiteral("VOLTAGE"), QStringLiteral("VOLTAGE"));
    cmdCurr = Key(QStringLiteral("cmdCurr"), QStringLiteral("CURRENT"), QStringLiteral("CURRENT"));
    cmdOVT = Key(QStringLiteral("cmdOVT"), QStringLiteral("OVT"), QStringLiteral("OVT"));
    cmdOCT = Key(QStringLiteral("cmdOCT"), QStringLiteral("OCT"), QStringLiteral("OCT"));
    auto* setKeys = Plate();
    auto* setRow = new QHBoxLayout(setKeys);
    for (QPushButton* key : {cmdVolt, cmdCurr, cmdOVT, cmdOCT})
        setRow->addWidget(key);

    Label6 = Caption(QStringLiteral("Label6"), QStringLiteral("MENU"));
    Label7 = Caption(QStringLiteral("Label7"), QStringLiteral("ITEM"));
    Label13 = Caption(QStringLiteral("Label13"), QStringLiteral("ENTER"));
    Label8 = Caption(QStringLiteral("Label8"), QStringLiteral("CLEAR"));
    cmdMenu = Key(QStringLiteral("cmdMenu"), QString(), QStringLiteral("MENU"));
    cmdItem = Key(QStringLiteral("cmdItem"), QString(), QStringLiteral("ITEM"));
    cmdEnter = Key(QStringLiteral("cmdEnter"), QString(), QStringLiteral("ENTER"));
    cmdCal = Key(QStringLiteral("cmdCal"), QString(), QStringLiteral("CAL"));
    cmdClear = Key(QStringLiteral("cmdClear"), QString(), QStringLiteral("CLEAR"));
    auto* menuKeys = Plate();
    auto* menuRow = new QHBoxLayout(menuKeys);
    menuRow->addLayout(Captioned(Label6, cmdMenu));
    menuRow->addLayout(Captioned(Label7, cmdItem));
    auto* enterColumn = Captioned(Label13, cmdEnter);
    enterColumn->addWidget(cmdCal);
    menuRow->addLayout(enterColumn);
    menuRow->addLayout(Captioned(Label8, cmdClear));

    Label10 = Caption(QStringLiteral("Label10"), hb ? QStringLiteral("V/I SET") : QStringLiteral("V/I DIS"));
    Label3 = Caption(QStringLiteral("Label3"), hb ? QStringLiteral("TRIP SET") : QStringLiteral("TRIP DIS"));
    cmdVISet = Key(QStringLiteral("cmdVISet"), QString(), Label10->text());
    cmdTRIP = Key(QStringLiteral("cmdTRIP"), QString(), Label3->text());
    cmdUp = Key(QStringLiteral("cmdUp"), QStringLiteral("\u25B2"), QStringLiteral("Up"));
    cmdDn = Key(QStringLiteral("cmdDn"), QStringLiteral("\u25BC"), QStringLiteral("Down"));
    auto* holdKeys = Plate();
    auto* holdRow = new QHBoxLayout(holdKeys);
    auto* viColumn = Captioned(Label10, cmdVISet);
    viColumn->addWidget(cmdUp);
    auto* tripColumn = Captioned(Label3, cmdTRIP);
    tripColumn->addWidget(cmdDn);
    holdRow->addLayout(viColumn);
    holdRow->addLayout(tripColumn);

    fraStart = Plate(QStringLiteral("fraStart"));
    Label4 = Caption(QStringLiteral("Label4"), QStringLiteral("START"));
    Label5 = Caption(QStringLiteral("Label5"), QStringLiteral("STOP"));
    cmdStart = Key(QStringLiteral("cmdStart"), hb ? QStringLiteral("START") : QString(), QStringLiteral("START"));
    cmdStop = Key(QStringLiteral("cmdStop"), hb ? QStringLiteral("STOP") : QString(), QStringLiteral("STOP"));
    Label4->setVisible(!hb);
    Label5->setVisible(!hb);
    auto* startRow = new QHBoxLayout(fraStart);
    startRow->addLayout(Captioned(Label4, cmdStart));
    startRow->addLayout(Captioned(Label5, cmdStop));

    // Read-outs, lamps and knobs in one row, the keys in a row below them, so
    // that even the HB's four knobs leave the panel narrow enough for a small
    // laptop screen.
    auto* upper = new QHBoxLayout;
    upper->addWidget(displays);
    upper->addWidget(lamps);
    upper->addWidget(fraKnobs);
    auto* keys = new QHBoxLayout;
    keys->addWidget(setKeys);
    keys->addWidget(menuKeys);
    keys->addWidget(holdKeys);
    keys->addWidget(fraStart);

    auto* faceLayout = new QVBoxLayout(face);
    faceLayout->addLayout(titleRow());
    faceLayout->addLayout(upper);
    faceLayout->addLayout(keys);
    faceLayout->addStretch();

    setFace(face);
}

} // namespace dalto::front
