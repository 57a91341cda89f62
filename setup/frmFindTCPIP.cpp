#include "frmFindTCPIP.h"

#include "DeviceList.h"
#include "DialogIcon.h"
#include "DiscoveryReply.h"
#include "core/AppContext.h"

#include <QNetworkDatagram>
#include <QPushButton>

namespace dalto {

namespace {
const QByteArray SearchRequest = QByteArrayLiteral("D");
}

frmFindTCPIP::frmFindTCPIP(AppContext& context, DiscoverySettings settings, QWidget* parent)
    : DeviceFinder(QStringLiteral("frmFindTCPIP"), QStringLiteral("Find Devices"),
                   {QStringLiteral("Name"), QStringLiteral("IP Address"), QStringLiteral("Port"),
                    QStringLiteral("MAC Address")},
                   parent)
    , context_(context)
    , settings_(std::move(settings))
{
    SetDialogIcon(*this, context_.paths);
    tcpComm.setObjectName(QStringLiteral("tcpComm"));
    lvDevices->setQuarterColumns(lvDevices->columnCount(), 6);
    connect(&tcpComm, &QUdpSocket::readyRead, this, &frmFindTCPIP::readReplies);
}

bool frmFindTCPIP::Bind()
{
    // Not shared: a second search on the same port would take the replies meant
    // for this one.
    if (!tcpComm.bind(QHostAddress::AnyIPv4, settings_.localPort, QAbstractSocket::DontShareAddress)) {
        context_.prompts.message(QStringLiteral("Unable to bind to UDP Port %1").arg(settings_.localPort),
                                 ApplicationTitle);
        return false;
    }
    search();
    return true;
}

void frmFindTCPIP::search()
{
    clearRows();
    tcpComm.writeDatagram(SearchRequest, settings_.target, settings_.remotePort);
}

void frmFindTCPIP::readReplies()
{
    while (tcpComm.hasPendingDatagrams()) {
        // An oversized datagram is dropped without being read into memory.
        const bool oversized = tcpComm.pendingDatagramSize() > MaxDiscoveryReplyBytes;
        const QNetworkDatagram datagram = tcpComm.receiveDatagram(oversized ? 0 : MaxDiscoveryReplyBytes);
        if (oversized || lvDevices->topLevelItemCount() >= MaxRows)
            continue;
        const std::optional<DiscoveredDevice> device = ParseDiscoveryReply(datagram.data());
        bool ipv4 = false;
        const quint32 sender = datagram.senderAddress().toIPv4Address(&ipv4);
        if (!device || !ipv4)
            continue;
        lvDevices->addRow({device->name, QHostAddress(sender).toString(), device->port, device->macAddress});
    }
    updateOk();
    lvDevices->viewport()->update();
}

} // namespace dalto
