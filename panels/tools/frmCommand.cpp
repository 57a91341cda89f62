#include "frmCommand.h"

#include "RowControls.h"
#include "app/Application.h"
#include "app/WindowNames.h"
#include "link/DeviceLink.h"
#include "protocol/CommandVocabulary.h"
#include "protocol/SetPointCommands.h"
#include "protocol/StatusProtocol.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dalto {

namespace {
// Rows whose command the KD, MW and HB families do not have.
constexpr int PeriodRow = 6;
constexpr int ArmRow = 26;
constexpr int GpibVersionRow = 37;
constexpr int EthernetVersionRow = 38;

void addHeaders(QGridLayout& grid, const QStringList& headers)
{
    for (int column = 0; column < headers.size(); ++column) {
        auto* header = new QLabel(headers[column]);
        header->setStyleSheet(QStringLiteral("font-weight: bold"));
        grid.addWidget(header, 0, column);
    }
}
} // namespace

frmCommand::frmCommand(Application& app)
    : ToolPanel(app, window::frmCommand, QStringLiteral("Command Panel"))
    , fraCmd1(new QGroupBox)
    , fraCmd2(new QGroupBox)
{
    fraCmd1->setObjectName(QStringLiteral("fraCmd1"));
    fraCmd2->setObjectName(QStringLiteral("fraCmd2"));

    const QStringList dataHeaders = {QStringLiteral("Get"), QStringLiteral("Set"), QStringLiteral("Command"),
                                     QStringLiteral("Data")};
    auto* settings = new QGridLayout(fraCmd1);
    auto* dataRows = new QGridLayout;
    auto* setOnly = new QGridLayout;
    auto* getOnly = new QGridLayout;
    addHeaders(*settings, dataHeaders);
    addHeaders(*dataRows, dataHeaders);
    addHeaders(*setOnly, {QStringLiteral("Set"), QStringLiteral("Command")});
    addHeaders(*getOnly, {QStringLiteral("Get"), QStringLiteral("Command")});

    int lines[4] = {1, 1, 1, 1};
    for (const CommandRow& row : CommandRows()) {
        QGridLayout* grid = row.group == CommandGroup::Settings ? settings
            : row.group == CommandGroup::DataRows               ? dataRows
            : row.group == CommandGroup::SetOnly                ? setOnly
                                                                : getOnly;
        addRow(*grid, lines[static_cast<int>(row.group)]++, row);
    }
    settings->setRowStretch(lines[0], 1);

    auto* legend = new QVBoxLayout;
    for (const char* text : {"Legend", "1 = True", "0 = False"})
        legend->addWidget(new QLabel(QString::fromLatin1(text)));
    legend->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(dataRows);
    left->addLayout(setOnly);
    left->addLayout(legend);
    auto* columns = new QHBoxLayout(fraCmd2);
    columns->addLayout(left);
    columns->addLayout(getOnly);
    getOnly->setRowStretch(lines[3], 1);

    auto* content = new QWidget;
    auto* frames = new QHBoxLayout(content);
    frames->setContentsMargins(0, 0, 0, 0);
    frames->addWidget(fraCmd1);
    frames->addWidget(fraCmd2);
    setPanelContent(content);
}

void frmCommand::addRow(QGridLayout& grid, int line, const CommandRow& row)
{
    const bool scpi = row.table == CommandTable::Scpi;
    const int index = row.index;
    auto* caption = new QLabel(row.caption);
    caption->setObjectName(!row.labelName.isEmpty() ? row.labelName
                                                    : ArrayName(scpi ? "lblSCPI" : "lblIEEE", index));
    if (scpi)
        lblSCPI[index] = caption;
    if (row.labelName == QLatin1String("lblGPIBVers"))
        lblGPIBVers = caption;
    if (row.labelName == QLatin1String("lblEthernetVers"))
        lblEthernetVers = caption;

    // Rows with data: Get, Set, caption, box. Set-only and get-only: button, caption.
    const bool dataLayout = row.group == CommandGroup::Settings || row.group == CommandGroup::DataRows;
    const int setColumn = dataLayout ? 1 : 0;
    const int captionColumn = dataLayout ? 2 : 1;
    if (row.hasGet) {
        QPushButton* get = RowButton(QStringLiteral("Get"), ArrayName(scpi ? "cmdGetSCPI" : "cmdGetIEEE", index), row.caption);
        (scpi ? cmdGetSCPI : cmdGetIEEE)[index] = get;
        connect(get, &QPushButton::clicked, this,
                [this, scpi, index] { scpi ? cmdGetSCPI_Click(index) : cmdGetIEEE_Click(index); });
        grid.addWidget(get, line, 0);
    }
    if (row.hasSet) {
        QPushButton* set = RowButton(QStringLiteral("Set"), ArrayName(scpi ? "cmdSetSCPI" : "cmdSetIEEE", index), row.caption);
        (scpi ? cmdSetSCPI : cmdSetIEEE)[index] = set;
        connect(set, &QPushButton::clicked, this,
                [this, scpi, index] { scpi ? cmdSetSCPI_Click(index) : cmdSetIEEE_Click(index); });
        grid.addWidget(set, line, setColumn);
    }
    grid.addWidget(caption, line, captionColumn);
    if (row.hasData) {
        auto* box = new QLineEdit;
        box->setObjectName(ArrayName(scpi ? "txtSCPI" : "txtIEEE", index));
        box->setAccessibleName(row.caption);
        caption->setBuddy(box);
        (scpi ? txtSCPI : txtIEEE)[index] = box;
        grid.addWidget(box, line, captionColumn + 1);
    }
}

void frmCommand::Form_Load()
{
    loadToolPanel();
    applyTypeRules();
    applyBusRules();
}

void frmCommand::afterSetup()
{
    applyTypeRules();
    applyBusRules();
}

void frmCommand::applyTypeRules()
{
    const int type = app().state().SystemType;
    const bool periodAndArm = !(type == 0 || type == 1 || type == 3 || type == 4);
    setRowUsable(PeriodRow, periodAndArm);
    setRowUsable(ArmRow, periodAndArm);
}

void frmCommand::applyBusRules()
{
    const int bus = app().state().BusCode;
    cmdGetSCPI.at(GpibVersionRow)->setEnabled(bus == 0);
    lblGPIBVers->setEnabled(bus == 0);
    cmdGetSCPI.at(EthernetVersionRow)->setEnabled(bus == 2);
    lblEthernetVers->setEnabled(bus == 2);
}

// An unusable row's box is locked, emptied and shown in the button-face colour.
void frmCommand::setRowUsable(int scpiIndex, bool usable)
{
    cmdGetSCPI.at(scpiIndex)->setEnabled(usable);
    cmdSetSCPI.at(scpiIndex)->setEnabled(usable);
    lblSCPI.at(scpiIndex)->setEnabled(usable);
    QLineEdit* box = txtSCPI.at(scpiIndex);
    box->setReadOnly(!usable);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, usable ? palette().color(QPalette::Base) : palette().color(QPalette::Button));
    box->setPalette(colours);
    if (!usable)
        box->clear();
}

void frmCommand::cmdGetSCPI_Click(int index)
{
    QString reply = exchange(QueryOf(app().state().ScpiCommands.value(index)), {fraCmd1, fraCmd2});
    const auto box = txtSCPI.find(index);
    if (box == txtSCPI.end())
        return;
    reply.remove(QLatin1Char('\r'));
    reply.remove(QLatin1Char('\n'));
    box->second->setText(reply);
    box->second->setFocus();
    box->second->setSelection(0, static_cast<int>(reply.size()));
}

// A data row always sends one blank and the box's text as typed, even when empty.
void frmCommand::cmdSetSCPI_Click(int index)
{
    QString command = app().state().ScpiCommands.value(index);
    if (const auto box = txtSCPI.find(index); box != txtSCPI.end())
        command += QLatin1Char(' ') + box->second->text();
    // The set point rows (voltage, current, their trip and triggered levels)
    // keep to the bench's ceilings; every other text goes as typed.
    if (ReportRefusal(app().context().prompts, CommandRefusal(command, app().state())))
        return;
    app().link().WriteDevice(command, true);
}

void frmCommand::cmdGetIEEE_Click(int index)
{
    exchange(QueryOf(app().state().IeeeCommands.value(index)), {fraCmd1, fraCmd2});
}

void frmCommand::cmdSetIEEE_Click(int index)
{
    QString command = app().state().IeeeCommands.value(index);
    if (const auto box = txtIEEE.find(index); box != txtIEEE.end())
        command += QLatin1Char(' ') + box->second->text();
    app().link().WriteDevice(command, true);
}

} // namespace dalto
