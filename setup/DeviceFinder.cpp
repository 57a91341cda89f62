#include "DeviceFinder.h"

#include "DeviceList.h"
#include "Named.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace dalto {

DeviceFinder::DeviceFinder(const QString& name, const QString& caption, const QStringList& columns,
                           QWidget* parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    lvDevices = new DeviceList(columns, this);
    cmdRefresh = Named(new QPushButton(QStringLiteral("Refresh"), this), QStringLiteral("cmdRefresh"));
    cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("cmdOK"));
    cmdCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("cmdCancel"));
    cmdOK->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdRefresh);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lvDevices);
    layout->addLayout(buttons);
    resize(560, 300);

    connect(cmdRefresh, &QPushButton::clicked, this, [this] { search(); });
    connect(cmdOK, &QPushButton::clicked, this, &DeviceFinder::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &DeviceFinder::cmdCancel_Click);
    connect(lvDevices, &QTreeWidget::itemSelectionChanged, this, &DeviceFinder::updateOk);
    connect(lvDevices, &DeviceList::rowChosen, this, &DeviceFinder::cmdOK_Click);
}

void DeviceFinder::clearRows()
{
    cmdOK->setEnabled(false);
    lvDevices->clear();
    lvDevices->repaint();
}

QString DeviceFinder::chosenCell(int column) const
{
    return result_ ? lvDevices->selectedCell(column) : QString();
}

void DeviceFinder::updateOk()
{
    cmdOK->setEnabled(lvDevices->rowSelected());
}

void DeviceFinder::cmdOK_Click()
{
    // Without a selected row there is nothing to hand back, and the result
    // stays as it was.
    if (lvDevices->rowSelected())
        result_ = true;
    hide();
}

void DeviceFinder::cmdCancel_Click()
{
    result_ = false;
    hide();
}

} // namespace dalto
