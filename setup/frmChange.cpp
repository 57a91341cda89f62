#include "frmChange.h"

#include "core/BusCode.h"
#include "DeviceQuery.h"
#include "Named.h"
#include "PlainLabel.h"
#include "link/DeviceLink.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace dalto {

namespace {
void fillNumbers(QComboBox& box, int first, int last)
{
    for (int n = first; n <= last; ++n)
        box.addItem(QString::number(n));
}
} // namespace

frmChange::frmChange(DeviceLink& link, QWidget* parent) : QDialog(parent), link_(link)
{
    setObjectName(QStringLiteral("frmChange"));
    cboAddress = Named(new QComboBox(this), QStringLiteral("cboAddress"));
    lblAddress = PlainLabel(this, QStringLiteral("lblAddress"));
    lblAddressSetting = PlainLabel(this, QStringLiteral("lblAddressSetting"), QStringLiteral("Address"));
    lblIdentification = PlainLabel(this, QStringLiteral("lblIdentification"));
    lblModVersion = PlainLabel(this, QStringLiteral("lblModVersion"));
    lblModVersionText = PlainLabel(this, QStringLiteral("lblModVersionText"), QStringLiteral("Module Version"));
    cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("cmdOK"));
    cmdCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("cmdCancel"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Identification"), this), 0, 0);
    grid->addWidget(lblIdentification, 0, 1, 1, 2);
    grid->addWidget(lblModVersionText, 1, 0);
    grid->addWidget(lblModVersion, 1, 1, 1, 2);
    grid->addWidget(lblAddressSetting, 2, 0);
    grid->addWidget(lblAddress, 2, 1);
    grid->addWidget(cboAddress, 2, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmChange::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmChange::cmdCancel_Click);
}

void frmChange::setBus(int16_t bus)
{
    bus_ = bus;
    cboAddress->clear();
    if (bus::isRs485(bus)) {
        setWindowTitle(QStringLiteral("Change Device's RS-485 Settings"));
        lblAddressSetting->setText(QStringLiteral("RS-485 Address"));
        cboAddress->setEnabled(true);
        fillNumbers(*cboAddress, 1, 255);
        lblModVersion->hide();
        lblModVersionText->hide();
    } else if (bus == bus::Gpib) {
        setWindowTitle(QStringLiteral("Change Device's GPIB Settings"));
        lblAddressSetting->setText(QStringLiteral("GPIB Address"));
        cboAddress->setEnabled(true);
        fillNumbers(*cboAddress, 1, 30);
        lblModVersion->show();
        lblModVersionText->show();
    }
    lblIdentification->setText(AskDeviceLine(link_, QStringLiteral("*IDN?")));
    if (bus == bus::Gpib)
        lblModVersion->setText(AskDeviceLine(link_, QStringLiteral("GPIB:VERS?")));
    else if (bus == bus::Rs485Select)
        lblModVersion->setText(AskDeviceLine(link_, QStringLiteral("SER:VERS?")));
}

void frmChange::setAddress(const QString& address)
{
    int index = cboAddress->findText(address, Qt::MatchExactly);
    if (index < 0) {
        cboAddress->addItem(address);
        index = cboAddress->count() - 1;
    }
    cboAddress->setCurrentIndex(index);
    lblAddress->setText(address);
}

QString frmChange::newAddress() const
{
    return cboAddress->currentText();
}

void frmChange::cmdOK_Click()
{
    const QString address = newAddress();
    if (bus_ == bus::Gpib)
        link_.WriteDevice(QStringLiteral("GPIB:ADDR ") + address, true);
    else if (bus_ == bus::Rs485Select)
        link_.WriteDevice(QStringLiteral("SYST:COMM:SER:ADDR ") + address, true);
    else if (bus_ == bus::Rs485Packet)
        link_.SendPacketAddressChange(address);
    result_ = true;
    hide();
}

void frmChange::cmdCancel_Click()
{
    result_ = false;
    hide();
}

} // namespace dalto
