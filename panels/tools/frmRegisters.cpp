#include "frmRegisters.h"

#include "app/Application.h"
#include "app/WindowNames.h"
#include "link/DeviceLink.h"
#include "protocol/CommandVocabulary.h"
#include "protocol/StatusProtocol.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

namespace dalto {

namespace {
// The SCPI position of cmdGetReg(i) is i + this.
constexpr int ConditionQueryBase = 20;

// The six registers from left to right, with the IEEE-488 entry that reads them.
struct RegisterColumn {
    StatusRegister reg;
    const char* labelArray;
};
constexpr RegisterColumn Columns[] = {
    {StatusRegister::OPER, "lblOPER"}, {StatusRegister::QUES, "lblQUES"}, {StatusRegister::ESE, "lblESE"},
    {StatusRegister::ESR, "lblESR"},   {StatusRegister::SRE, "lblSRE"},   {StatusRegister::STB, "lblSTB"},
};

QString arrayName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// The register an IEEE-488 common command reads, by its text.
std::optional<StatusRegister> registerOfEntry(const QString& entry)
{
    if (entry == QLatin1String("*ESE")) return StatusRegister::ESE;
    if (entry == QLatin1String("*SRE")) return StatusRegister::SRE;
    if (entry == QLatin1String("*ESR")) return StatusRegister::ESR;
    if (entry == QLatin1String("*STB")) return StatusRegister::STB;
    return std::nullopt;
}

QLineEdit* valueBox(const QString& accessibleName, int index, bool readOnly)
{
    auto* box = new QLineEdit;
    box->setObjectName(arrayName("txtValue", index));
    box->setAccessibleName(accessibleName);
    box->setReadOnly(readOnly);
    return box;
}
} // namespace

frmRegisters::frmRegisters(Application& app)
    : ToolPanel(app, window::frmRegisters, QStringLiteral("Register Panel"))
    , fraCmds(new QGroupBox(QStringLiteral("Register Commands:")))
{
    fraCmds->setObjectName(QStringLiteral("fraCmds"));
    auto* lower = new QHBoxLayout;
    auto* side = new QVBoxLayout;
    side->addWidget(buildResults());
    side->addWidget(buildEntry());
    side->addStretch();
    lower->addLayout(side);

    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildRegisterColumns(), 1);
    layout->addLayout(lower);
    setPanelContent(content);
}

QPushButton* frmRegisters::addButton(ControlArray<QPushButton>& array, const char* name, int index,
                                     const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(arrayName(name, index));
    array[index] = button;
    return button;
}

QWidget* frmRegisters::buildRegisterColumns()
{
    auto* commands = new QGridLayout(fraCmds);
    auto place = [commands](QPushButton* button, int row, int column) { commands->addWidget(button, row, column); };
    place(addButton(cmdGetReg, "cmdGetReg", 0, QStringLiteral("Get Oper")), 0, 0);
    place(addButton(cmdGetReg, "cmdGetReg", 1, QStringLiteral("Get Ques")), 0, 1);
    place(addButton(cmdGetIEEE, "cmdGetIEEE", 0, QStringLiteral("Get ESE")), 0, 2);
    place(addButton(cmdSetIEEE, "cmdSetIEEE", 0, QStringLiteral("Set ESE")), 1, 2);
    place(addButton(cmdGetIEEE, "cmdGetIEEE", 6, QStringLiteral("Get ESR")), 0, 3);
    place(addButton(cmdGetIEEE, "cmdGetIEEE", 1, QStringLiteral("Get SRE")), 0, 4);
    place(addButton(cmdSetIEEE, "cmdSetIEEE", 1, QStringLiteral("Set SRE")), 1, 4);
    place(addButton(cmdGetIEEE, "cmdGetIEEE", 7, QStringLiteral("Get STB")), 0, 5);
    for (const auto& [index, button] : cmdGetReg)
        connect(button, &QPushButton::clicked, this, [this, i = index] { cmdGetReg_Click(i); });
    for (const auto& [index, button] : cmdGetIEEE)
        connect(button, &QPushButton::clicked, this, [this, i = index] { cmdGetIEEE_Click(i); });
    for (const auto& [index, button] : cmdSetIEEE)
        connect(button, &QPushButton::clicked, this, [this, i = index] { cmdSetIEEE_Click(i); });

    auto* bits = new QGridLayout;
    bits->addWidget(new QLabel(QStringLiteral("Bit")), 0, 0);
    for (int bit = 0; bit < 16; ++bit)
        bits->addWidget(new QLabel(QString::number(bit)), bit + 1, 0);
    int column = 1;
    for (const RegisterColumn& entry : Columns) {
        const QStringList captions = RegisterBitCaptions(entry.reg);
        ControlArray<QLabel>& labels = bitLabels(entry.reg);
        for (int bit = 0; bit < captions.size(); ++bit) {
            auto* label = new QLabel(captions[bit]);
            label->setObjectName(arrayName(entry.labelArray, bit));
            label->setAccessibleName(QStringLiteral("%1 bit %2 %3")
                                         .arg(QLatin1String(entry.labelArray + 3)).arg(bit).arg(captions[bit]));
            label->setAlignment(Qt::AlignCenter);
            label->setFrameShape(QFrame::Panel);
            label->setFrameShadow(QFrame::Sunken);
            label->setAutoFillBackground(true);
            labels[bit] = label;
            bits->addWidget(label, bit + 1, column);
        }
        ++column;
    }
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fraCmds);
    layout->addLayout(bits);
    layout->addStretch();
    return panel;
}

QWidget* frmRegisters::buildResults()
{
    auto* frame = new QGroupBox(QStringLiteral("Results:"));
    auto* grid = new QGridLayout(frame);
    const char* captions[] = {"Decimal:", "Hex:", "Binary:"};
    for (int index = 1; index <= 3; ++index) {
        auto* caption = new QLabel(QString::fromLatin1(captions[index - 1]));
        txtValue[index] = valueBox(caption->text(), index, true);
        caption->setBuddy(txtValue[index]);
        grid->addWidget(caption, index, 0);
        grid->addWidget(txtValue[index], index, 1);
    }
    return frame;
}

QWidget* frmRegisters::buildEntry()
{
    auto* frame = new QGroupBox(QStringLiteral("Enter Value in Selected Format:"));
    auto* grid = new QGridLayout(frame);
    auto* caption = new QLabel(QStringLiteral("Value:"));
    txtValue[0] = valueBox(caption->text(), 0, false);
    caption->setBuddy(txtValue[0]);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(txtValue[0], 0, 1);
    const char* formats[] = {"Decimal Format", "Hex Format", "Binary Format"};
    for (int index = 0; index < 3; ++index) {
        auto* option = new QRadioButton(QString::fromLatin1(formats[index]));
        option->setObjectName(arrayName("optFormat", index));
        optFormat[index] = option;
        grid->addWidget(option, index + 1, 0, 1, 2);
    }
    return frame;
}

ControlArray<QLabel>& frmRegisters::bitLabels(StatusRegister reg)
{
    switch (reg) {
    case StatusRegister::OPER: return lblOPER;
    case StatusRegister::QUES: return lblQUES;
    case StatusRegister::ESE: return lblESE;
    case StatusRegister::ESR: return lblESR;
    case StatusRegister::SRE: return lblSRE;
    case StatusRegister::STB: break;
    }
    return lblSTB;
}

void frmRegisters::Form_Load()
{
    loadToolPanel();
    optFormat.at(0)->setChecked(true);
    app().link().WriteDevice(status::ToolPanelOpened, false);
}

void frmRegisters::cmdGetIEEE_Click(int index)
{
    const QString entry = app().state().IeeeCommands.value(index);
    const int32_t value = RegisterValueOf(exchange(QueryOf(entry), {fraCmds}));
    const std::optional<StatusRegister> reg = registerOfEntry(entry);
    if (reg)
        showValue(*reg, value);
}

void frmRegisters::cmdGetReg_Click(int index)
{
    QString reply = exchange(QueryOf(app().state().ScpiCommands.value(index + ConditionQueryBase)), {fraCmds});
    reply.remove(QLatin1Char('\r'));
    reply.remove(QLatin1Char('\n'));
    showValue(index == 0 ? StatusRegister::OPER : StatusRegister::QUES, RegisterValueOf(reply));
}

void frmRegisters::showValue(StatusRegister reg, int32_t value)
{
    UpdBits(reg, value);
    const RegisterTexts texts = RegisterTextsOf(value, RegisterBitCount(reg));
    txtValue.at(1)->setText(texts.decimal);
    txtValue.at(2)->setText(texts.hex);
    txtValue.at(3)->setText(texts.binary);
}

void frmRegisters::UpdBits(StatusRegister reg, int32_t value)
{
    const QColor buttonFace = palette().color(QPalette::Button);
    for (const auto& [bit, label] : bitLabels(reg)) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, (value & (1 << bit)) != 0 ? QColor(255, 0, 0) : buttonFace);
        label->setPalette(colours);
    }
}

void frmRegisters::cmdSetIEEE_Click(int index)
{
    const EntryFormat format = optFormat.at(1)->isChecked() ? EntryFormat::Hex
        : optFormat.at(2)->isChecked()                      ? EntryFormat::Binary
                                                            : EntryFormat::Decimal;
    const QString argument = RegisterArgument(txtValue.at(0)->text(), format);
    app().link().WriteDevice(app().state().IeeeCommands.value(index) + QLatin1Char(' ') + argument, true);
}

} // namespace dalto
