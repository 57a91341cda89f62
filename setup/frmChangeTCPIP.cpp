#include "frmChangeTCPIP.h"

#include "DeviceQuery.h"
#include "DialogIcon.h"
#include "Named.h"
#include "NetworkFields.h"
#include "NetworkNameCache.h"
#include "PlainLabel.h"
#include "core/Configuration.h"
#include "core/LegacyNumbers.h"
#include "link/DeviceLink.h"
#include "protocol/StatusProtocol.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace dalto {

namespace {
const QString Net = QStringLiteral("SYST:COMM:NET:");
const QString SetByDhcp = QStringLiteral("Set by DHCP");
// The network module needs a moment between these exchanges.
constexpr int SettleMs = 50;

QString query(const QString& setting)
{
    return Net + setting + QLatin1Char('?');
}

QString command(const QString& setting, const QString& value)
{
    return Net + setting + QLatin1Char(' ') + value;
}

// The box's background becomes the system colour of role: Button for a box the
// device fills itself, Base (the background of every editable text box) for one the
// user fills. Taken from the application's palette, not the box's, which may still
// carry the other colour.
void setBackground(QLineEdit& box, QPalette::ColorRole role)
{
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, QApplication::palette(&box).color(role));
    box.setPalette(palette);
}
} // namespace

frmChangeTCPIP::frmChangeTCPIP(DeviceLink& link, QWidget* parent) : QDialog(parent), link_(link)
{
    setObjectName(QStringLiteral("frmChangeTCPIP"));
    setWindowTitle(QStringLiteral("Change Device's TCP/IP Settings"));
    SetDialogIcon(*this, link_.context().paths);

    auto label = [this](const QString& name) { return PlainLabel(this, name); };
    auto box = [this](const QString& name) {
        QLineEdit* edit = Named(new QLineEdit(this), name);
        edit->installEventFilter(this);
        return edit;
    };
    lblIdentification = label(QStringLiteral("lblIdentification"));
    lblModVersion = label(QStringLiteral("lblModVersion"));
    lblMacAddress = label(QStringLiteral("lblMacAddress"));
    lblCurrentName = label(QStringLiteral("lblCurrentName"));
    lblCurrentPort = label(QStringLiteral("lblCurrentPort"));
    lblCurrentIP = label(QStringLiteral("lblCurrentIP"));
    lblCurrentSubnet = label(QStringLiteral("lblCurrentSubnet"));
    lblCurrentGateway = label(QStringLiteral("lblCurrentGateway"));
    optDHCP = Named(new QRadioButton(QStringLiteral("DHCP"), this), QStringLiteral("optDHCP"));
    optStatic = Named(new QRadioButton(QStringLiteral("Static"), this), QStringLiteral("optStatic"));
    txtName = box(QStringLiteral("txtName"));
    txtPort = box(QStringLiteral("txtPort"));
    txtIPAddress = box(QStringLiteral("txtIPAddress"));
    txtSubnetMask = box(QStringLiteral("txtSubnetMask"));
    txtGateway = box(QStringLiteral("txtGateway"));
    cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("cmdOK"));
    cmdCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("cmdCancel"));
    txtName->hide();

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Current"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("New"), this), 0, 2);
    auto* method = new QHBoxLayout;
    method->addWidget(optDHCP);
    method->addWidget(optStatic);
    const struct {
        const char* caption;
        QWidget* current;
        QWidget* fresh;
        QLayout* freshLayout;
    } rows[] = {
        {"Identification", lblIdentification, nullptr, nullptr},
        {"Module Version", lblModVersion, nullptr, nullptr},
        {"MAC Address", lblMacAddress, nullptr, nullptr},
        {"IP Address Method", nullptr, nullptr, method},
        {"Network Name", lblCurrentName, txtName, nullptr},
        {"Port", lblCurrentPort, txtPort, nullptr},
        {"IP Address", lblCurrentIP, txtIPAddress, nullptr},
        {"Subnet Mask", lblCurrentSubnet, txtSubnetMask, nullptr},
        {"Gateway", lblCurrentGateway, txtGateway, nullptr},
    };
    int row = 1;
    for (const auto& r : rows) {
        grid->addWidget(new QLabel(QString::fromLatin1(r.caption), this), row, 0);
        if (r.current)
            grid->addWidget(r.current, row, 1);
        if (r.fresh)
            grid->addWidget(r.fresh, row, 2);
        if (r.freshLayout)
            grid->addLayout(r.freshLayout, row, 2);
        ++row;
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(optDHCP, &QRadioButton::clicked, this, &frmChangeTCPIP::optDHCP_Click);
    connect(optStatic, &QRadioButton::clicked, this, &frmChangeTCPIP::optStatic_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmChangeTCPIP::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmChangeTCPIP::cmdCancel_Click);
}

void frmChangeTCPIP::Form_Load()
{
    Clock& clock = link_.context().clock;
    lblIdentification->setText(AskDeviceLine(link_, QStringLiteral("*IDN?")));
    lblModVersion->setText(AskDevice(link_, query(QStringLiteral("VERS"))));
    lblMacAddress->setText(AskDeviceLine(link_, query(QStringLiteral("MAC"))));
    // Read by its leading number: "1;" and "1 ON" both mean DHCP.
    const bool dhcp = legacy::leadingNumber(AskDeviceLine(link_, query(QStringLiteral("DHCP")))) != 0;
    (dhcp ? optDHCP : optStatic)->setChecked(true);
    if (dhcp)
        optDHCP_Click();
    lblCurrentName->setText(AskDeviceLine(link_, query(QStringLiteral("HOST"))));
    txtName->setText(lblCurrentName->text());
    lblCurrentPort->setText(AskDeviceLine(link_, query(QStringLiteral("PORT"))));
    txtPort->setText(lblCurrentPort->text());
    clock.delay(SettleMs);
    lblCurrentIP->setText(AskDeviceLine(link_, query(QStringLiteral("ADDR"))));
    clock.delay(SettleMs);
    lblCurrentSubnet->setText(AskDeviceLine(link_, query(QStringLiteral("SUBN"))));
    clock.delay(SettleMs);
    lblCurrentGateway->setText(AskDeviceLine(link_, query(QStringLiteral("GATE"))));
    // The boxes show the current static settings once all of them are known.
    if (!dhcp)
        optStatic_Click();
}

void frmChangeTCPIP::optDHCP_Click()
{
    for (QLineEdit* box : {txtIPAddress, txtSubnetMask, txtGateway}) {
        box->setEnabled(false);
        setBackground(*box, QPalette::Button);
        box->setText(SetByDhcp);
    }
}

void frmChangeTCPIP::optStatic_Click()
{
    const std::pair<QLineEdit*, QLabel*> boxes[] = {
        {txtIPAddress, lblCurrentIP}, {txtGateway, lblCurrentGateway}, {txtSubnetMask, lblCurrentSubnet}};
    for (const auto& [box, current] : boxes) {
        box->setEnabled(true);
        setBackground(*box, QPalette::Base);
        box->setText(current->text());
    }
}

bool frmChangeTCPIP::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

QLineEdit* frmChangeTCPIP::invalidEntry()
{
    Prompts& prompts = link_.context().prompts;
    if (!IsValidDevicePort(txtPort->text())) {
        prompts.message(InvalidPortText, ApplicationTitle);
        return txtPort;
    }
    if (optStatic->isChecked()) {
        for (QLineEdit* box : {txtIPAddress, txtSubnetMask, txtGateway}) {
            if (!IsValidIpAddress(box->text())) {
                prompts.message(InvalidIpText, ApplicationTitle);
                return box;
            }
        }
    }
    return nullptr;
}

void frmChangeTCPIP::cmdOK_Click()
{
    if (QLineEdit* faulty = invalidEntry()) {
        faulty->setFocus();
        return;
    }
    const bool dhcp = optDHCP->isChecked();
    TellDevice(link_, command(QStringLiteral("DHCP"), dhcp ? QStringLiteral("1") : QStringLiteral("0")));
    TellDevice(link_, command(QStringLiteral("PORT"), txtPort->text()));
    link_.context().clock.delay(SettleMs);
    if (!dhcp) {
        TellDevice(link_, command(QStringLiteral("ADDR"), txtIPAddress->text()));
        TellDevice(link_, command(QStringLiteral("SUBN"), txtSubnetMask->text()));
        TellDevice(link_, command(QStringLiteral("GATE"), txtGateway->text()));
    }
    link_.WriteDevice(status::Restart, true);
    ClearNetworkNameCache();
    result_ = true;
    hide();
}

void frmChangeTCPIP::cmdCancel_Click()
{
    result_ = false;
    hide();
}

QString frmChangeTCPIP::IPAddress() const
{
    if (!result_)
        return {};
    return optStatic->isChecked() ? txtIPAddress->text() : txtName->text();
}

int32_t frmChangeTCPIP::Port() const
{
    return result_ ? txtPort->text().toInt() : 0;
}

} // namespace dalto
