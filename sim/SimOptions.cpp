#include "sim/SimOptions.h"

#include <QCommandLineParser>

namespace dalto::sim {

namespace {

constexpr double MaximumRating = 8000.0;
// Bounds of the boot loader's planned faults.
constexpr int MaximumPacketNumber = 1 << 30;
constexpr int MaximumBootDelayMs = 600000;

std::optional<int> wholeNumber(const QString& text, int minimum, int maximum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

std::optional<double> positiveNumber(const QString& text, double maximum)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value > 0.0) || value > maximum)
        return std::nullopt;
    return value;
}

// "HOST:PORT" with the host defaulting to 127.0.0.1; "localhost" is 127.0.0.1.
std::optional<std::pair<QHostAddress, quint16>> hostAndPort(const QString& text)
{
    const qsizetype colon = text.lastIndexOf(u':');
    const QString host = colon < 0 ? QString() : text.left(colon);
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    QHostAddress address(host.isEmpty() || host == u"localhost" ? QStringLiteral("127.0.0.1") : host);
    if (!ok || port > 65535 || address.isNull())
        return std::nullopt;
    return std::pair{address, static_cast<quint16>(port)};
}

ParsedOptions failure(const QString& message)
{
    return {std::nullopt, message, true};
}

} // namespace

ParsedOptions parseSimOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulates a programmable DC power supply of the KD, MW, HB and HBX series:\n"
        "SCPI and IEEE-488.2 commands and the \"<>\" status protocol over TCP or a serial line."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption tcp(QStringLiteral("tcp"),
                                 QStringLiteral("Serve one TCP client at a time on HOST:PORT (host defaults to "
                                                "127.0.0.1, port 0 picks a free port). Default when no --serial "
                                                "is given: 127.0.0.1:5025."),
                                 QStringLiteral("HOST:PORT"));
    const QCommandLineOption serial(QStringLiteral("serial"),
                                    QStringLiteral("Answer on the serial line DEVICE (a port or a pseudo-terminal), "
                                                   "8N1."),
                                    QStringLiteral("DEVICE"));
    const QCommandLineOption baud(QStringLiteral("baud"), QStringLiteral("Baud rate of the serial line (19200)."),
                                  QStringLiteral("RATE"), QString::number(SimOptions::DefaultBaudRate));
    const QCommandLineOption rs485(QStringLiteral("rs485"),
                                   QStringLiteral("Answer as RS-485 node N (1-255) on the serial line: select "
                                                  "sequence, packet frames and the \"&\"/\"%\" control lines."),
                                   QStringLiteral("N"));
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("Supply series: KD, MW, HB or HBX (KD)."),
                                   QStringLiteral("SERIES"), QStringLiteral("KD"));
    const QCommandLineOption ratedVoltage(QStringLiteral("rated-voltage"),
                                          QStringLiteral("Full-scale voltage in volts (15)."), QStringLiteral("V"),
                                          QStringLiteral("15"));
    const QCommandLineOption ratedCurrent(QStringLiteral("rated-current"),
                                          QStringLiteral("Full-scale current in amperes (100)."),
                                          QStringLiteral("A"), QStringLiteral("100"));
    const QCommandLineOption loadOhms(QStringLiteral("load-ohms"),
                                      QStringLiteral("Resistance of the load on the output in ohms (10)."),
                                      QStringLiteral("R"), QStringLiteral("10"));
    const QCommandLineOption loadProfile(QStringLiteral("load-profile"),
                                         QStringLiteral("Ramps of the load, repeated: R1,S1,R2,S2,... (ohms, seconds)."),
                                         QStringLiteral("STEPS"));
    const QCommandLineOption idn(QStringLiteral("idn"), QStringLiteral("Reply to *IDN? (built from the series)."),
                                 QStringLiteral("TEXT"));
    const QCommandLineOption firmware(QStringLiteral("firmware"),
                                      QStringLiteral("Control firmware version (4.8)."), QStringLiteral("X.Y"),
                                      QStringLiteral("4.8"));
    const QCommandLineOption interfaceVersion(QStringLiteral("interface"),
                                              QStringLiteral("Interface firmware version (1.2)."),
                                              QStringLiteral("X.Y"), QStringLiteral("1.2"));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Write every line received and every reply sent to FILE."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption discovery(QStringLiteral("discovery"),
                                       QStringLiteral("Answer the program's network search (\"D\" datagrams) on UDP "
                                                      "HOST:PORT with name, MAC address and TCP port (port 0 picks "
                                                      "a free port)."),
                                       QStringLiteral("HOST:PORT"));
    const QCommandLineOption name(QStringLiteral("name"),
                                  QStringLiteral("Network name of the module (DALTO-SIM)."), QStringLiteral("NAME"));
    const QCommandLineOption mac(QStringLiteral("mac"),
                                 QStringLiteral("MAC address of the module (00:1E:C0:5D:A1:70)."),
                                 QStringLiteral("MAC"));
    const QCommandLineOption faultPlan(QStringLiteral("fault-plan"),
                                       QStringLiteral("Misbehave as the plan in FILE says: dropped, late, cut or "
                                                      "garbled replies, a flood, a closed or vanished line "
                                                      "(see the README)."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption lineRate(QStringLiteral("line-rate"),
                                      QStringLiteral("Pace the serial line to RATE bits per second both ways, 10 bits "
                                                     "a byte (a pseudo-terminal has no rate of its own)."),
                                      QStringLiteral("RATE"));
    const QCommandLineOption bootLoader(QStringLiteral("boot-loader"),
                                        QStringLiteral("Start in the boot loader on the serial line, as a power cycle "
                                                       "with the boot jumper set would (SIM:BOOT does it later)."));
    const QCommandLineOption firmwareImage(QStringLiteral("firmware-image"),
                                           QStringLiteral("On the boot loader's reset packet, write the programmed "
                                                          "memory to FILE: the bytes from address 0 to the highest "
                                                          "one written, 0xFF where nothing was written."),
                                           QStringLiteral("FILE"));
    const QCommandLineOption flashVersion(QStringLiteral("flash-version"),
                                          QStringLiteral("Control firmware version reported after the boot loader "
                                                         "restarts (unchanged when not given)."),
                                          QStringLiteral("X.Y"));
    const QCommandLineOption bootStopAfter(QStringLiteral("boot-stop-after"),
                                           QStringLiteral("The boot loader falls silent after acknowledging N "
                                                          "packets, as a controller that hangs mid-way would."),
                                           QStringLiteral("N"));
    const QCommandLineOption bootLate(QStringLiteral("boot-late"),
                                      QStringLiteral("The boot loader's reply to packet N (counted from 1 as they "
                                                     "arrive, repeats included) leaves MS milliseconds late. "
                                                     "Repeatable."),
                                      QStringLiteral("N:MS"));
    const QCommandLineOption bootRefuse(QStringLiteral("boot-refuse"),
                                        QStringLiteral("The boot loader refuses packet N (counted as for --boot-late) "
                                                       "without carrying it out. Repeatable."),
                                        QStringLiteral("N"));
    const QCommandLineOption bootSecondProbeAnswer(QStringLiteral("boot-second-probe-answer"),
                                                   QStringLiteral("The boot loader answers the first probe a second "
                                                                  "time, MS milliseconds after the first answer."),
                                                   QStringLiteral("MS"));
    parser.addOptions({help, tcp, serial, baud, rs485, model, ratedVoltage, ratedCurrent, loadOhms, loadProfile, idn, firmware,
                       interfaceVersion, log, discovery, name, mac, faultPlan, lineRate, bootLoader, firmwareImage,
                       flashVersion, bootStopAfter, bootLate, bootRefuse, bootSecondProbeAnswer});

    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (parser.isSet(help))
        return {std::nullopt, parser.helpText(), false};
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("unexpected argument: ") + parser.positionalArguments().first());

    SimOptions options;
    options.serialDevice = parser.value(serial);
    if (parser.isSet(tcp) || options.serialDevice.isEmpty()) {
        QString text = parser.isSet(tcp) ? parser.value(tcp) : QStringLiteral("127.0.0.1:%1").arg(SimOptions::DefaultTcpPort);
        const auto endpoint = hostAndPort(text);
        if (!endpoint)
            return failure(QStringLiteral("--tcp wants HOST:PORT, got: ") + text);
        options.tcpHost = endpoint->first;
        options.tcpPort = endpoint->second;
        options.device.networkAddress = endpoint->first.toString();
        options.device.networkPort = static_cast<int>(endpoint->second);
    }
    if (parser.isSet(discovery)) {
        const auto endpoint = hostAndPort(parser.value(discovery));
        if (!endpoint)
            return failure(QStringLiteral("--discovery wants HOST:PORT, got: ") + parser.value(discovery));
        options.discoveryHost = endpoint->first;
        options.discoveryPort = endpoint->second;
    }
    if (parser.isSet(name) || parser.isSet(mac)) {
        if (!options.discoveryHost)
            return failure(QStringLiteral("--name and --mac need --discovery"));
        InterfaceSettings check(QString(), 1, 1);
        options.networkName = parser.value(name);
        options.macAddress = parser.value(mac);
        if (parser.isSet(name) && check.setHostName(options.networkName) != scpi_error::None)
            return failure(QStringLiteral("--name wants 1 to 32 characters without blanks"));
        if (parser.isSet(mac) && !InterfaceSettings::isMacAddress(options.macAddress))
            return failure(QStringLiteral("--mac wants six hexadecimal pairs such as 00:1E:C0:5D:A1:70"));
    }

    bool ok = false;
    options.baudRate = parser.value(baud).toInt(&ok);
    if (!ok || options.baudRate <= 0)
        return failure(QStringLiteral("--baud wants a positive number"));
    if (parser.isSet(rs485)) {
        if (options.serialDevice.isEmpty())
            return failure(QStringLiteral("--rs485 needs --serial"));
        const int node = parser.value(rs485).toInt(&ok);
        if (!ok || node < 1 || node > InterfaceSettings::SerialAddressMaximum)
            return failure(QStringLiteral("--rs485 wants a node address from 1 to 255"));
        options.rs485 = true;
        options.device.serialAddress = node;
    }

    for (const QCommandLineOption* serialOnly : {&lineRate, &bootLoader, &firmwareImage, &flashVersion, &bootStopAfter,
                                                 &bootLate, &bootRefuse, &bootSecondProbeAnswer}) {
        if (parser.isSet(*serialOnly) && options.serialDevice.isEmpty())
            return failure(QStringLiteral("--%1 needs --serial").arg(serialOnly->names().first()));
    }
    if (parser.isSet(lineRate)) {
        options.lineRate = parser.value(lineRate).toInt(&ok);
        if (!ok || options.lineRate <= 0)
            return failure(QStringLiteral("--line-rate wants a positive number of bits per second"));
    }
    options.boot.startInBootLoader = parser.isSet(bootLoader);
    options.boot.imageFile = parser.value(firmwareImage);
    options.boot.flashVersion = parser.value(flashVersion);
    if (parser.isSet(flashVersion)) {
        options.boot.flashVersion.toDouble(&ok);
        if (!ok)
            return failure(QStringLiteral("--flash-version wants a version such as 2.3"));
    }
    if (parser.isSet(bootStopAfter)) {
        options.boot.stopAfter = parser.value(bootStopAfter).toInt(&ok);
        if (!ok || *options.boot.stopAfter < 1)
            return failure(QStringLiteral("--boot-stop-after wants a number of packets from 1"));
    }

    for (const QString& late : parser.values(bootLate)) {
        const QStringList parts = late.split(u':');
        const auto packet = parts.size() == 2 ? wholeNumber(parts[0], 1, MaximumPacketNumber) : std::nullopt;
        const auto ms = parts.size() == 2 ? wholeNumber(parts[1], 1, MaximumBootDelayMs) : std::nullopt;
        if (!packet || !ms)
            return failure(QStringLiteral("--boot-late wants N:MS, a packet number and milliseconds from 1, got: ") + late);
        options.boot.lateReplies[*packet] = *ms;
    }
    for (const QString& refused : parser.values(bootRefuse)) {
        const auto packet = wholeNumber(refused, 1, MaximumPacketNumber);
        if (!packet)
            return failure(QStringLiteral("--boot-refuse wants a packet number from 1, got: ") + refused);
        options.boot.refusedPackets.insert(*packet);
    }
    if (parser.isSet(bootSecondProbeAnswer)) {
        options.boot.secondProbeAnswerMs = wholeNumber(parser.value(bootSecondProbeAnswer), 1, MaximumBootDelayMs);
        if (!options.boot.secondProbeAnswerMs)
            return failure(QStringLiteral("--boot-second-probe-answer wants milliseconds from 1"));
    }

    options.device.model = parser.value(model).toUpper();
    if (!QStringList {"KD", "MW", "HB", "HBX"}.contains(options.device.model))
        return failure(QStringLiteral("--model wants KD, MW, HB or HBX"));
    const auto volts = positiveNumber(parser.value(ratedVoltage), MaximumRating);
    const auto amps = positiveNumber(parser.value(ratedCurrent), MaximumRating);
    const auto ohms = positiveNumber(parser.value(loadOhms), 1e12);
    if (!volts || !amps)
        return failure(QStringLiteral("--rated-voltage and --rated-current want a number above 0 up to 8000"));
    if (!ohms)
        return failure(QStringLiteral("--load-ohms wants a number above 0"));
    options.device.ratedVoltage = *volts;
    options.device.ratedCurrent = *amps;
    options.device.loadOhms = *ohms;
    if (parser.isSet(loadProfile)) {
        const auto steps = ParseLoadSteps(parser.value(loadProfile));
        if (!steps || !LoadProfile().start(*ohms, *steps, true, 0))
            return failure(QStringLiteral("--load-profile wants ohms,seconds pairs taking some time"));
        options.device.loadProfile = *steps;
    }
    options.device.identity = parser.value(idn);
    options.device.firmwareVersion = parser.value(firmware);
    options.device.interfaceVersion = parser.value(interfaceVersion);
    for (const QString& version : {options.device.firmwareVersion, options.device.interfaceVersion}) {
        version.toDouble(&ok);
        if (!ok)
            return failure(QStringLiteral("--firmware and --interface want a version such as 4.8"));
    }
    options.logFile = parser.value(log);
    if (parser.isSet(faultPlan)) {
        QString error;
        options.faultPlan = FaultPlan::load(parser.value(faultPlan), &error);
        if (!options.faultPlan)
            return failure(QStringLiteral("--fault-plan %1: %2").arg(parser.value(faultPlan), error));
    }
    return {options, QString(), false};
}

} // namespace dalto::sim
