// The controls of the front panel and their places: read-outs with their control
// lamps, the lamp groups, the knobs, the keys grouped as on the device, START and
// STOP, and the transcript below the face (shown in debug mode).
#include "frmKD.h"

#include "FrontPanelStyle.h"
#include "app/PanelMenus.h"
#include "app/TranscriptBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <dialix/PropertyBag.h>
#include <dialix/tavKnob.h>

namespace dalto::front {

namespace {

constexpr int KnobSize = 96;

template <typename W>
W* Named(W* widget, const QString& name, const QString& accessible)
{
    widget->setObjectName(name);
    widget->setAccessibleName(accessible);
    return widget;
}

QLabel* Caption(const QString& name, const QString& text, bool group = false)
{
    auto* label = Named(new QLabel(text), name, text);
    label->setAlignment(Qt::AlignCenter);
    if (group)
        label->setProperty("caption", "group");
    return label;
}

QPushButton* Key(const QString& name, const QString& text, const QString& accessible)
{
    auto* key = Named(new QPushButton(text), name, accessible);
    key->setAutoDefault(false);
    return key;
}

QFrame* Plate(const QString& name = QString())
{
    auto* plate = new QFrame;
    if (!name.isEmpty())
        plate->setObjectName(name);
    plate->setProperty("plate", true);
    return plate;
}

QLineEdit* ReadOutBox(const QString& name, const QString& accessible)
{
    auto* box = Named(new QLineEdit(QStringLiteral("0.0")), name, accessible);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

// A key with its caption printed above it, as on the device.
QVBoxLayout* Captioned(QLabel* caption, QPushButton* key)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(caption);
    column->addWidget(key);
    return column;
}

} // namespace

Lamp* frmKD::addLamp(std::map<int, Lamp*>& array, int index, const QString& caption, int tag)
{
    const QString arrayName = &array == &lblStatus ? QStringLiteral("lblStatus")
                              : &array == &lblErrors ? QStringLiteral("lblErrors")
                                                     : QStringLiteral("lblDisabled");
    auto* lamp = new Lamp(caption, tag);
    lamp->setObjectName(QStringLiteral("%1(%2)").arg(arrayName).arg(index));
    array[index] = lamp;
    return lamp;
}

tavKnob* frmKD::makeKnob(const QString& name, const QString& caption, const KnobDesign& design)
{
    auto* knob = Named(new tavKnob, name, caption);
    dialix::PropertyBag stored;
    stored.write(QStringLiteral("Max"), 100);
    stored.write(QStringLiteral("Turns"), design.turns);
    stored.write(QStringLiteral("Slot"), design.slot);
    knob->ReadProperties(stored);
    knob->setUserMode(true);
    knob->setFixedSize(KnobSize, KnobSize);
    return knob;
}

void frmKD::addKnob(tavKnob* knob, const QString& caption)
{
    auto* column = new QVBoxLayout;
    column->addWidget(knob, 0, Qt::AlignHCenter);
    column->addWidget(Caption(knob->objectName() + QStringLiteral("Caption"), caption));
    knobRow_->addLayout(column);
}

void frmKD::buildFace()
{
    const bool hb = series_ == PanelSeries::HB;
    const bool groupCaptions = series_ != PanelSeries::KD;
    setWindowTitle(QStringLiteral("Virtual Control Panel"));

    auto* face = new QFrame;
    face->setObjectName(QStringLiteral("face"));
    face->setStyleSheet(FrontPanelStyleSheet());
    face->setAutoFillBackground(true);

    // Title: product name and maker's logo.
    fraTitle = Plate(QStringLiteral("fraTitle"));
    pctName = Named(new QLabel, QStringLiteral("pctName"), QStringLiteral("Product name"));
    (new QHBoxLayout(fraTitle))->addWidget(pctName);
    pctLogo = Named(new QLabel, QStringLiteral("pctLogo"), QStringLiteral("Logo"));
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(fraTitle);
    titleRow->addStretch();
    titleRow->addWidget(pctLogo);

    // Read-outs, each with the lamp that says which quantity is in control.
    txtVolt = ReadOutBox(QStringLiteral("txtVolt"), QStringLiteral("DC voltage read-out"));
    txtCurr = ReadOutBox(QStringLiteral("txtCurr"), QStringLiteral("DC current read-out"));
    Label1 = Caption(QStringLiteral("Label1"), QStringLiteral("DC VOLTAGE"));
    Label2 = Caption(QStringLiteral("Label2"), QStringLiteral("DC CURRENT"));
    addLamp(lblStatus, 8, QStringLiteral("CTL"), 8)->setAccessibleName(QStringLiteral("Voltage CTL"));
    addLamp(lblStatus, 10, QStringLiteral("CTL"), 10)->setAccessibleName(QStringLiteral("Current CTL"));
    auto* displays = Plate();
    auto* displayGrid = new QGridLayout(displays);
    displayGrid->addWidget(Label1, 0, 0);
    displayGrid->addWidget(txtVolt, 1, 0);
    displayGrid->addWidget(lblStatus[8], 1, 1);
    displayGrid->addWidget(Label2, 2, 0);
    displayGrid->addWidget(txtCurr, 3, 0);
    displayGrid->addWidget(lblStatus[10], 3, 1);

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
    const std::pair<std::map<int, Lamp*>*, std::pair<int, const char*>> configLamps[] = {
        {&lblStatus, {9, "REM SEN"}},   {&lblStatus, {3, "INT CTL"}},  {&lblStatus, {4, "EXT CTL"}},
        {&lblDisabled, {0, "ROTARY"}}, {&lblDisabled, {1, "EXT PGM"}},
    };
    int row = 1;
    for (const auto& [array, lamp] : configLamps) {
        const int tag = array == &lblDisabled ? -1 : lamp.first;
        lampGrid->addWidget(addLamp(*array, lamp.first, QString::fromLatin1(lamp.second), tag), row++, 0);
    }
    lampGrid->addWidget(addLamp(lblDisabled, 2, QStringLiteral("REMOTE"), 9), row++, 0);
    lampGrid->addWidget(Label9, 0, 1);
    lampGrid->addWidget(addLamp(lblStatus, 6, QStringLiteral("STANDBY"), 6), 1, 1);
    lampGrid->addWidget(addLamp(lblStatus, 7, QStringLiteral("POWER"), 7), 2, 1);
    alarmLamps_ = new QGridLayout;
    alarmLamps_->addWidget(Label12, 0, 0, 1, 2);
    const std::pair<int, const char*> faults[] = {{0, "OVT"}, {1, "OCT"}, {2, "PHL"},
                                                  {3, "PGL"}, {4, "THL"}, {8, "LOC"}};
    int alarm = 0;
    for (const auto& [index, caption] : faults) {
        alarmLamps_->addWidget(addLamp(lblErrors, index, QString::fromLatin1(caption), index),
                               1 + alarm / 2, alarm % 2);
        ++alarm;
    }
    lampGrid->addLayout(alarmLamps_, 0, 2, row, 1);

    // Knobs.
    fraKnobs = Plate(QStringLiteral("fraKnobs"));
    fraKnobs->setAutoFillBackground(true);
    knbVolt = makeKnob(QStringLiteral("knbVolt"), QStringLiteral("Voltage knob"), SetPointKnob);
    knbCurr = makeKnob(QStringLiteral("knbCurr"), QStringLiteral("Current knob"), SetPointKnob);
    knobRow_ = new QHBoxLayout(fraKnobs);
    addKnob(knbVolt, QStringLiteral("VOLTAGE"));
    addKnob(knbCurr, QStringLiteral("CURRENT"));

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
    faceLayout->addLayout(titleRow);
    faceLayout->addLayout(upper);
    faceLayout->addLayout(keys);
    faceLayout->addStretch();

    // The transcript, below the face.
    rtbTranx = new TranscriptBox;
    rtbTranx->setAccessibleName(QStringLiteral("Transcript"));
    cmdClearText = Key(QStringLiteral("cmdClearText"), QStringLiteral("Clear"), QStringLiteral("Clear transcript"));
    cmdSave = Key(QStringLiteral("cmdSave"), QStringLiteral("Save to File"), QStringLiteral("Save transcript to file"));
    auto* transcriptArea = new QWidget;
    transcriptArea->setObjectName(QStringLiteral("transcriptArea"));
    auto* transcriptButtons = new QVBoxLayout;
    transcriptButtons->addWidget(cmdClearText);
    transcriptButtons->addWidget(cmdSave);
    transcriptButtons->addStretch();
    auto* transcriptRow = new QHBoxLayout(transcriptArea);
    transcriptRow->addWidget(rtbTranx, 1);
    transcriptRow->addLayout(transcriptButtons);

    auto* central = new QWidget;
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->addWidget(face, 1);
    centralLayout->addWidget(transcriptArea, 3);
    setCentralWidget(central);
}

} // namespace dalto::front
