#include "ToolPanel.h"

#include "app/Application.h"
#include "app/ProgramPictures.h"
#include "app/TranscriptBox.h"
#include "app/TranscriptSave.h"
#include "app/WindowNames.h"
#include "app/frmLimits.h"
#include "link/DeviceLink.h"
#include "protocol/StatusProtocol.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace dalto {

ToolPanel::ToolPanel(Application& app, const QString& windowName, const QString& caption)
    : PanelWindow(app, windowName)
    , menu(buildPanelMenu(*this, windowName, app))
    , fraIn(new QGroupBox(QStringLiteral("Output")))
    , rtbTranx(new TranscriptBox)
    , cmdSave(new QPushButton(QStringLiteral("Save to File")))
    , cmdClear(new QPushButton(QStringLiteral("Clear")))
    , caption_(caption)
{
    setWindowTitle(caption);
    fraIn->setObjectName(QStringLiteral("fraIn"));
    rtbTranx->setAccessibleName(QStringLiteral("Output"));
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdClear->setObjectName(QStringLiteral("cmdClear"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClear);
    buttons->addStretch();
    auto* output = new QHBoxLayout(fraIn);
    output->addWidget(rtbTranx, 1);
    output->addLayout(buttons);

    connect(cmdSave, &QPushButton::clicked, this, &ToolPanel::cmdSave_Click);
    connect(cmdClear, &QPushButton::clicked, this, &ToolPanel::cmdClear_Click);
    connectMenu();
}

void ToolPanel::setPanelContent(QWidget* content)
{
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(content);
    layout->addWidget(fraIn, 1);
    setCentralWidget(central);
}

void ToolPanel::loadToolPanel()
{
    setWindowIcon(programIcon(app().context().paths));
    registerTranscript(*rtbTranx);
    app().context().clock.pump();
    Switching = false;
}

void ToolPanel::Form_Unload()
{
    app().link().WriteDevice(status::Closing, false);
}

void ToolPanel::cmdClear_Click()
{
    rtbTranx->setTranscriptText(QString());
}

void ToolPanel::cmdSave_Click()
{
    SaveTranscriptToFile(app().context(), *rtbTranx);
}

void ToolPanel::connectMenu()
{
    for (const QString& name : {window::frmCommand, window::frmRegisters, window::frmCalibration,
                                window::frmModulation, window::FrmLoader}) {
        if (QAction* item = menu.viewItemFor(name); item && name != windowName())
            connect(item, &QAction::triggered, this, [this, name] { app().switchPanel(*this, name); });
    }
    connect(menu.mnuVirtual, &QAction::triggered, this, &ToolPanel::mnuVirtual_Click);
    connect(menu.mnuSetup, &QAction::triggered, this, &ToolPanel::mnuSetup_Click);
    connect(menu.mnuSimulate, &QAction::triggered, this, &ToolPanel::mnuSimulate_Click);
    connect(menu.mnuLimits, &QAction::triggered, this, [this] { RunLimitsDialog(app().context(), this); });
    connect(menu.mnuAbout, &QAction::triggered, this, [this] { app().showAbout(*this); });
    connect(menu.mnuExit, &QAction::triggered, this, [this] { app().endProgram(); });
}

void ToolPanel::mnuVirtual_Click()
{
    QueryDeviceInfo(app().link());
    app().switchPanel(*this, app().virtualPanelName());
}

void ToolPanel::mnuSetup_Click()
{
    app().runSetup(*this);
    QueryDeviceInfo(app().link());
    applyVirtualRule(menu, app());
    applyModulationRule(menu, app());
    afterSetup();
}

void ToolPanel::mnuSimulate_Click()
{
    app().link().useSimulated(SimulatedByMenu);
    app().link().InitComm();
}

QString ToolPanel::exchange(const QString& query, std::initializer_list<QWidget*> rows)
{
    DeviceLink& link = app().link();
    link.WriteDevice(query, true);
    for (QWidget* row : rows)
        row->setEnabled(false);
    QString reply;
    link.ReadDevice(reply, 2, true);
    for (QWidget* row : rows)
        row->setEnabled(true);
    return reply;
}

} // namespace dalto
