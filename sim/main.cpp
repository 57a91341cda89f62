// dalto-sim: a simulated power supply on TCP and/or a serial line.
#include "sim/CommandProcessor.h"
#include "sim/Device.h"
#include "sim/DiscoveryResponder.h"
#include "sim/SerialEndpoint.h"
#include "sim/ShutdownSignals.h"
#include "sim/SimOptions.h"
#include "sim/TcpEndpoint.h"
#include "sim/TrafficLog.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <memory>

using namespace dalto::sim;

namespace {
int fail(const QString& message)
{
    std::fprintf(stderr, "dalto-sim: %s\n", qPrintable(message));
    return 1;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const ParsedOptions parsed = parseSimOptions(QCoreApplication::arguments());
    if (!parsed.options) {
        if (parsed.failed)
            return fail(parsed.message + QStringLiteral(" (see --help)"));
        std::fputs(qPrintable(parsed.message), stdout);
        return 0;
    }
    const SimOptions& options = *parsed.options;

    TrafficLog log;
    QString error;
    if (!options.logFile.isEmpty() && !log.open(options.logFile, &error))
        return fail(QStringLiteral("cannot write the log %1: %2").arg(options.logFile, error));

    Device device(options.device);
    CommandProcessor processor(device);
    QStringList endpoints;

    std::unique_ptr<TcpEndpoint> tcp;
    if (options.tcpHost) {
        tcp = std::make_unique<TcpEndpoint>(processor, log);
        if (!tcp->listen(*options.tcpHost, options.tcpPort, &error))
            return fail(QStringLiteral("cannot listen on %1:%2: %3")
                            .arg(options.tcpHost->toString())
                            .arg(options.tcpPort)
                            .arg(error));
        device.interfaces.setPort(tcp->port());
        endpoints << tcp->description();
    }

    std::unique_ptr<SerialEndpoint> serial;
    if (!options.serialDevice.isEmpty()) {
        serial = std::make_unique<SerialEndpoint>(processor, log, device, options);
        if (!serial->open(&error))
            return fail(QStringLiteral("cannot open %1: %2").arg(options.serialDevice, error));
        endpoints << serial->description();
    }

    if (!options.networkName.isEmpty())
        device.interfaces.setHostName(options.networkName);
    if (!options.macAddress.isEmpty())
        device.interfaces.setMacAddress(options.macAddress);
    std::unique_ptr<DiscoveryResponder> discovery;
    if (options.discoveryHost) {
        discovery = std::make_unique<DiscoveryResponder>(device.interfaces, log);
        if (!discovery->bind(*options.discoveryHost, options.discoveryPort, &error))
            return fail(QStringLiteral("cannot answer discovery on %1:%2: %3")
                            .arg(options.discoveryHost->toString())
                            .arg(options.discoveryPort)
                            .arg(error));
        endpoints << discovery->description();
    }

    ShutdownSignals shutdown;
    if (!shutdown.install())
        return fail(QStringLiteral("cannot install the signal handlers"));
    QObject::connect(&shutdown, &ShutdownSignals::shutdownRequested, &app, &QCoreApplication::quit);

    const QString ready = QStringLiteral("dalto-sim listening on ") + endpoints.join(QStringLiteral(", "));
    log.note(QStringLiteral("sim"), ready);
    std::printf("%s\n", qPrintable(ready));
    std::fflush(stdout);

    const int code = app.exec();
    log.note(QStringLiteral("sim"), QStringLiteral("stopped"));
    return code;
}
