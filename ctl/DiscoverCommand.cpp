// discover: the network search of the Setup dialog, without the dialog. The
// request goes to the [Discovery] target (broadcast unless the settings say
// otherwise); every supply that hears it answers with its name, MAC address and
// TCP port.
#include "ConsoleOutput.h"
#include "ExitCodes.h"
#include "Subcommands.h"
#include "core/Clock.h"
#include "core/Configuration.h"
#include "core/Paths.h"
#include "setup/DiscoveryReply.h"
#include "setup/DiscoverySettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QNetworkDatagram>
#include <QUdpSocket>

namespace dalto::ctl {

namespace {

const QByteArray SearchRequest = QByteArrayLiteral("D");
constexpr double DefaultSearchSeconds = 2.0;

// --target ADDR or ADDR:PORT over the settings.
bool applyTarget(DiscoverySettings& settings, const QString& target)
{
    const QString address = target.section(QLatin1Char(':'), 0, 0);
    if (!IsValidIpAddress(address))
        return false;
    settings.target = QHostAddress(address);
    if (target.contains(QLatin1Char(':'))) {
        bool ok = false;
        const uint port = target.section(QLatin1Char(':'), 1).toUInt(&ok);
        if (!ok || port == 0 || port > 65535)
            return false;
        settings.remotePort = quint16(port);
    }
    return true;
}

QString replyLine(const QNetworkDatagram& datagram)
{
    const std::optional<DiscoveredDevice> device = ParseDiscoveryReply(datagram.data());
    bool ipv4 = false;
    const quint32 sender = datagram.senderAddress().toIPv4Address(&ipv4);
    if (!device || !ipv4)
        return {};
    return QStringList{device->name, QHostAddress(sender).toString(), device->port, device->macAddress}.join(
        QLatin1Char('\t'));
}

} // namespace

int RunDiscover(const CtlOptions& options)
{
    const Paths paths = Paths::resolve(QCoreApplication::applicationDirPath(), QString(),
                                       QString::fromStdString(options.connection.config));
    DiscoverySettings settings;
    if (QFileInfo::exists(paths.configFile()))
        settings = ReadDiscoverySettings(paths.configFile());
    if (options.target && !applyTarget(settings, QString::fromStdString(*options.target))) {
        PrintError(QStringLiteral("--target wants an IPv4 address, optionally with :PORT, got: ")
                   + QString::fromStdString(*options.target));
        return exitcode::UsageError;
    }

    QUdpSocket socket;
    // Not shared: a second search on the same port would take this one's replies.
    if (!socket.bind(QHostAddress::AnyIPv4, settings.localPort, QAbstractSocket::DontShareAddress)) {
        PrintError(QStringLiteral("Unable to bind to UDP Port %1").arg(settings.localPort));
        return exitcode::DeviceError;
    }
    if (socket.writeDatagram(SearchRequest, settings.target, settings.remotePort) < 0) {
        PrintError(QStringLiteral("the search request cannot be sent: ") + socket.errorString());
        return exitcode::DeviceError;
    }

    int found = 0;
    SteadyClock clock;
    const double deadline = clock.now() + options.searchSeconds.value_or(DefaultSearchSeconds);
    while (clock.now() < deadline) {
        if (!socket.hasPendingDatagrams() && !socket.waitForReadyRead(int((deadline - clock.now()) * 1000) + 1))
            continue;
        while (socket.hasPendingDatagrams()) {
            // An oversized datagram is dropped without being read into memory.
            const bool oversized = socket.pendingDatagramSize() > MaxDiscoveryReplyBytes;
            const QNetworkDatagram datagram = socket.receiveDatagram(oversized ? 0 : MaxDiscoveryReplyBytes);
            const QString line = oversized ? QString() : replyLine(datagram);
            if (!line.isEmpty()) {
                PrintLine(line);
                ++found;
            }
        }
    }
    if (found == 0) {
        PrintError(QStringLiteral("no device answered"));
        return exitcode::DeviceError;
    }
    return exitcode::Success;
}

} // namespace dalto::ctl
