// The controls of the HBX panel and their places: read-outs with the memory
// display, the lamp groups with their drawn captions, the knobs, the keypad with
// its entry display, START and STOP.
#include "frmHBX.h"

#include "FrontPanelControls.h"
#include "FrontPanelStyle.h"
#include "GroupCaptionFrame.h"
#include "protocol/StatusBitNames.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dalto::front {

namespace {

// Room left of each separator line for its upward caption.
constexpr int CaptionRoom = 22;

QFrame* SeparatorLine(const QString& name)
{
    auto* line = new QFrame;
    line->setObjectName(name);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setStyleSheet(QStringLiteral("color: #9fb4c8;"));
    line->setFixedWidth(2);
    return line;
}

QVBoxLayout* LampColumn(std::initializer_list<Lamp*> lamps)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    for (Lamp* lamp : lamps)
        column->addWidget(lamp);
    return column;
}

} // namespace

void frmHBX::buildFace()
{
    auto* face = new QFrame;
    face->setObjectName(QStringLiteral("face"));
    face->setStyleSheet(FrontPanelStyleSheet());
    face->setAutoFillBackground(true);

    // Read-outs with the lamp that says which quantity is in control, and the
    // memory number.
    Label3 = Caption(QStringLiteral("Label3"), QStringLiteral("MEM"));
    txtMEM = ReadOutBox(QStringLiteral("txtMEM"), QStringLiteral("Memory number"), QStringLiteral("0"));
    auto* displays = Plate();
    auto* displayGrid = new QGridLayout(displays);
    addReadOuts(*displayGrid);
    auto* memoryRow = new QHBoxLayout;
    memoryRow->addStretch();
    memoryRow->addWidget(Label3);
    memoryRow->addWidget(txtMEM);
    displayGrid->addLayout(memoryRow, 4, 0, 1, 2);

    auto* upper = new QHBoxLayout;
    upper->addWidget(displays);
    upper->addWidget(buildLampFrame());
    upper->addWidget(fraKnobs);

    // The keypad with its entry display beside it, then START and STOP.
    fraStart = Plate(QStringLiteral("fraStart"));
    cmdStart = Key(QStringLiteral("cmdStart"), QStringLiteral("START"), QStringLiteral("START"));
    cmdStop = Key(QStringLiteral("cmdStop"), QStringLiteral("STOP"), QStringLiteral("STOP"));
    auto* startColumn = new QVBoxLayout(fraStart);
    startColumn->addWidget(cmdStart);
    startColumn->addWidget(cmdStop);
    auto* lower = new QHBoxLayout;
    lower->addWidget(buildKeypad());
    lower->addWidget(fraStart);
    lower->addStretch();

    auto* faceLayout = new QVBoxLayout(face);
    faceLayout->addLayout(titleRow());
    faceLayout->addLayout(upper);
    faceLayout->addLayout(lower);
    faceLayout->addStretch();

    setFace(face);
}

QWidget* frmHBX::buildLampFrame()
{
    lblArm[0] = new Lamp(statusbits::StatusLampCaption(0), 0);
    lblArm[0]->setObjectName(QStringLiteral("lblArm(0)"));
    for (const int bit : {6, 7, 9, 3, 4})
        addLamp(lblStatus, bit, statusbits::StatusLampCaption(bit), bit);
    addLamp(lblErrors, 8, statusbits::FaultLampCaption(8), 8);
    addLamp(lblDisabled, 0, QStringLiteral("ROTARY"), -1);
    addLamp(lblDisabled, 3, QStringLiteral("KEYPAD"), -1);
    addLamp(lblDisabled, 1, QStringLiteral("EXT PGM"), -1);
    addLamp(lblDisabled, 2, statusbits::FaultLampCaption(9), 9);

    fraButtons = new GroupCaptionFrame;
    fraButtons->setObjectName(QStringLiteral("fraButtons"));
    fraButtons->setProperty("plate", true);
    linPower = SeparatorLine(QStringLiteral("linPower"));
    linRemSen = SeparatorLine(QStringLiteral("linRemSen"));
    linRotary = SeparatorLine(QStringLiteral("linRotary"));
    auto* row = new QHBoxLayout(fraButtons);
    const std::pair<QFrame*, QVBoxLayout*> groups[] = {
        {linPower, LampColumn({lblArm[0], lblStatus[6], lblStatus[7]})},
        {linRemSen, LampColumn({lblStatus[9], lblStatus[3], lblStatus[4], lblErrors[8]})},
        {linRotary, LampColumn({lblDisabled[0], lblDisabled[3], lblDisabled[1], lblDisabled[2]})},
    };
    for (const auto& [line, lamps] : groups) {
        row->addSpacing(CaptionRoom);
        row->addWidget(line);
        row->addLayout(lamps);
    }
    fraButtons->addCaption(QStringLiteral("MODE"), linPower);
    fraButtons->addCaption(QStringLiteral("SETUP"), linRemSen);
    fraButtons->addCaption(QStringLiteral("SET POINT"), linRotary);

    // The faults beside the groups, two to a row.
    auto* faults = new QGridLayout;
    int at = 0;
    for (const int bit : {0, 1, 2, 3, 4, 5}) {
        faults->addWidget(addLamp(lblErrors, bit, statusbits::FaultLampCaption(bit), bit), at / 2, at % 2);
        ++at;
    }
    row->addSpacing(CaptionRoom / 2);
    row->addLayout(faults);
    return fraButtons;
}

QWidget* frmHBX::buildKeypad()
{
    fraEnter = Plate(QStringLiteral("fraEnter"));
    txtInput = new QLineEdit;
    Name(txtInput, QStringLiteral("txtInput"), QStringLiteral("Keypad entry"));
    txtInput->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    (new QVBoxLayout(fraEnter))->addWidget(txtInput);

    const struct {
        QPushButton*& key;
        QLabel*& label;
        const char* name;
        const char* labelName;
        const char* caption;
        const char* text;
    } keys[] = {
        {cmdMenu, Label6, "cmdMenu", "Label6", "MENU", ""},
        {cmdItem, Label7, "cmdItem", "Label7", "ITEM", ""},
        {cmdUp, Label8, "cmdUp", "Label8", "UP", "\u25B2"},
        {cmdDn, Label9, "cmdDn", "Label9", "DN", "\u25BC"},
        {cmdDsply, Label10, "cmdDsply", "Label10", "DISPLAY", ""},
        {cmdArm, Label11, "cmdArm", "Label11", "ARM", ""},
        {cmdMem, Label12, "cmdMem", "Label12", "MEM", ""},
        {cmdClear, Label13, "cmdClear", "Label13", "CLEAR", ""},
        {cmdEnter, Label14, "cmdEnter", "Label14", "ENTER", ""},
    };
    auto* keypad = Plate();
    auto* grid = new QGridLayout(keypad);
    grid->addWidget(fraEnter, 0, 0, 2, 1, Qt::AlignVCenter);
    int at = 0;
    for (const auto& k : keys) {
        const QString caption = QString::fromLatin1(k.caption);
        k.label = Caption(QString::fromLatin1(k.labelName), caption);
        k.key = Key(QString::fromLatin1(k.name), QString::fromUtf8(k.text), caption);
        grid->addLayout(Captioned(k.label, k.key), at / 5, 1 + at % 5);
        ++at;
    }
    return keypad;
}

} // namespace dalto::front
