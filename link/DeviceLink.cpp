#include "DeviceLink.h"

#include "DebugLog.h"
#include "GpibTransport.h"
#include "HexAddress.h"
#include "LinkBackends.h"
#include "LinkFault.h"
#include "Rs485PacketTransport.h"
#include "Rs485SelectTransport.h"
#include "SerialTransport.h"
#include "SimulatedTransport.h"
#include "TcpTransport.h"
#include "core/BusCode.h"
#include "core/Transcript.h"
#include "link/gpib/GpibLayer.h"

#include <array>
#include <cmath>

namespace dalto {

namespace {


const std::array<QString, 6> BusLabels = {
    QStringLiteral("GPIB "), QStringLiteral("RS232 "), QStringLiteral("TCP/IP "),
    QStringLiteral("RS485 "), QStringLiteral("RS485 "), QStringLiteral("Simulated "),
};

const QString CommErrorTitle = QStringLiteral("Comm Error");
const QString NoPortText = QStringLiteral("No comm Port selected!");
const QString TimedOutText = QStringLiteral("Device Timed Out.  Entering Simulated Mode!");
const QString NotFoundText = QStringLiteral("Device not Found.  Entering Simulated Mode!");
const QString InitHeading = QStringLiteral("Initialization Error:");
const QString WriteHeading = QStringLiteral("Write Error:");
const QString ReadHeading = QStringLiteral("Read Error:");

constexpr char LF = '\n';
constexpr char CR = '\r';
constexpr char EOT = 4;

// The time the bus-4 nodes get to acknowledge a control exchange.
constexpr double PacketAckSeconds = 2.0;
// Lets a closing socket finish before the next connection is made.
constexpr int SocketCloseMs = 500;
// How long a reconnecting link waits for the supply's answer.
constexpr double ReconnectAnswerSeconds = 2.0;

enum class ReadKind { Normal, Quiet, Eot };
enum class ReadOutcome { Complete, TimedOut };

void appendCapped(QByteArray& reply, const QByteArray& chunk)
{
    const qsizetype room = std::max<qsizetype>(0, MaxReplyBytes - reply.size());
    reply += chunk.size() <= room ? chunk : chunk.first(room);
}

bool sameState(const LinkHealth& a, const LinkHealth& b)
{
    return a.simulated == b.simulated && a.chosen == b.chosen && a.reason == b.reason;
}

} // namespace

struct DeviceLink::Impl {
    Impl(DeviceLink& owner, AppContext& context, std::unique_ptr<LinkBackends> backendsIn)
        : owner(owner)
        , context(context)
        , backends(std::move(backendsIn))
        , gpib(context, *backends->gpibDriver)
        , gpibBus(context, gpib)
        , rs232(context, *backends->serialLine)
        , tcp(context, *backends->socket)
        , rs485Select(context, *backends->serialLine)
        , rs485Packet(context, *backends->serialLine)
        , simulated(*backends->serialLine, *backends->socket)
    {
    }

    // The transport of a bus code; null for a code that names no bus.
    Transport* transportFor(int16_t bus)
    {
        const std::array<Transport*, 6> buses = {&gpibBus, &rs232, &tcp, &rs485Select, &rs485Packet, &simulated};
        return bus >= 0 && bus < int16_t(buses.size()) ? buses[bus] : nullptr;
    }

    void echo(const QString& text)
    {
        if (TranscriptTarget* transcript = context.state.Transcript)
            transcript->appendTranscript(text);
    }

    void setTranscript(const QString& text)
    {
        if (TranscriptTarget* transcript = context.state.Transcript)
            transcript->setTranscriptText(text);
    }

    void tellNoPort()
    {
        context.prompts.message(NoPortText, CommErrorTitle, PromptButtons::Ok, PromptIcon::Exclamation);
    }

    // A dialog's probe changes the bus only for a moment: what it meets is not the
    // link's health.
    void setHealth(LinkHealth next)
    {
        if (context.state.Probing || sameState(health, next))
            return;
        next.since = context.clock.now();
        health = std::move(next);
        emit owner.healthChanged(health);
    }

    // The mode changes before the box shows, so the windows behind it already say
    // why and polls that run meanwhile get the simulated answers at once.
    void enterSimulatedMode(const QString& text, const QString& reason)
    {
        context.state.BusCode = bus::Simulated;
        setHealth({true, false, reason});
        if (!context.state.Probing && !context.programEnding)
            context.prompts.message(text, CommErrorTitle, PromptButtons::Ok, PromptIcon::None);
    }

    // Why a read got no reply: what broke the connection, else the silence itself.
    static QString silenceReason(const Transport& transport)
    {
        const std::optional<LinkFault> failure = transport.failure();
        return failure ? failure->reason() : SupplyStoppedAnswering;
    }

    void logFault(const QString& heading, const LinkFault& fault)
    {
        appendFaultRecord(context.paths.debugLogFile(), heading, fault);
    }

    void closePrevious()
    {
        if (context.state.LinkControl == LinkControlKind::Serial) {
            if (backends->serialLine->isOpen())
                backends->serialLine->close();
        } else if (backends->socket->isActive()) {
            backends->socket->close();
            context.clock.delay(SocketCloseMs);
        }
    }

    // The one reply rule of the link. A stream reply is complete when its last byte
    // is the terminator (bytes after a terminator keep the read going); a whole
    // transfer is complete when it holds an LF.
    ReadOutcome collect(Transport& transport, QByteArray& reply, char terminator, double timeoutSeconds,
                        ReceiveStyle style)
    {
        if (transport.deliversWholeTransfers()) {
            QByteArray transfer;
            transport.receive(transfer, style);
            appendCapped(reply, transfer);
            return reply.contains(LF) ? ReadOutcome::Complete : ReadOutcome::TimedOut;
        }
        const double deadline = context.clock.now() + timeoutSeconds;
        // Even a read that may not wait takes what has arrived: the deadline counts
        // only after the first look.
        for (bool looked = false;; looked = true) {
            if (!reply.isEmpty() && reply.back() == terminator)
                return ReadOutcome::Complete;
            // Exit chosen while the read lets events run: stop waiting at once.
            if ((looked && context.clock.now() > deadline) || context.programEnding)
                return ReadOutcome::TimedOut;
            QByteArray chunk;
            transport.receive(chunk, style);
            // A connection that is gone delivers nothing more: no use waiting.
            if (chunk.isEmpty() && transport.failure())
                return ReadOutcome::TimedOut;
            appendCapped(reply, chunk);
        }
    }

    int32_t read(QString& reply, int16_t timeoutSeconds, bool echoReply, ReadKind kind)
    {
        // Once the program is ending nothing is transferred any more.
        if (context.programEnding) {
            reply.clear();
            return -1;
        }
        Transport* transport = transportFor(context.state.BusCode);
        if (!transport) {
            if (kind != ReadKind::Quiet)
                tellNoPort();
        } else {
            const char terminator = kind == ReadKind::Eot ? EOT : LF;
            const ReceiveStyle style{kind == ReadKind::Normal, kind == ReadKind::Eot};
            QByteArray received;
            ReadOutcome outcome;
            try {
                outcome = collect(*transport, received, terminator, timeoutSeconds, style);
            } catch (const LinkFault& fault) {
                reply = QString::fromLatin1(received);
                logFault(ReadHeading, fault);
                if (kind != ReadKind::Quiet)
                    enterSimulatedMode(NotFoundText, fault.reason());
                return 0;
            }
            reply = QString::fromLatin1(received);
            if (outcome == ReadOutcome::TimedOut) {
                if (kind == ReadKind::Normal) {
                    // A broken connection is a fault of its own: its cause goes on record.
                    if (const std::optional<LinkFault> failure = transport->failure())
                        logFault(ReadHeading, *failure);
                    enterSimulatedMode(TimedOutText, silenceReason(*transport));
                }
                return -1;
            }
        }
        if (echoReply)
            echo(reply);
        return int32_t(reply.size());
    }

    int32_t write(const QByteArray& bytes, bool asLine)
    {
        if (context.programEnding)
            return 0;
        Transport* transport = transportFor(context.state.BusCode);
        if (!transport) {
            tellNoPort();
            return int32_t(bytes.size());
        }
        try {
            if (asLine)
                transport->writeLine(bytes);
            else
                transport->writeBytes(bytes);
        } catch (const LinkFault& fault) {
            logFault(WriteHeading, fault);
            enterSimulatedMode(NotFoundText, fault.reason());
            return 0;
        }
        return int32_t(bytes.size());
    }

    // A bus-4 control exchange: the acknowledgement is awaited and discarded.
    void packetExchange(const QByteArray& frame)
    {
        rs485Packet.writeBytes(frame);
        QByteArray acknowledgement;
        collect(rs485Packet, acknowledgement, CR, PacketAckSeconds, ReceiveStyle{});
    }

    // Opens bus on transport with its addressing exchange; label, when given, then
    // replaces the transcript (between the opening and the addressing).
    void openBus(int16_t bus, Transport& transport, const QString* label)
    {
        transport.open();
        if (label)
            setTranscript(*label);
        transport.addressDevice();
        if (bus == bus::Rs485Packet) {
            try {
                transport.discardInput();
            } catch (const LinkFault&) {
                // Nothing waiting to discard is as good as discarded.
            }
            selectPacketNode(false);
        }
    }

    void selectPacketNode(bool flag)
    {
        const QString node = flag ? QStringLiteral("810") : QStringLiteral("800");
        packetExchange((QLatin1Char('&') + twoDigitHex(context.state.DeviceAddress) + node + QLatin1Char(CR)).toLatin1());
    }

    DeviceLink& owner;
    AppContext& context;
    std::unique_ptr<LinkBackends> backends;
    LinkHealth health;
    std::optional<Endpoint> endpoint;
    bool reconnecting = false;
    GpibLayer gpib;
    GpibTransport gpibBus;
    SerialTransport rs232;
    TcpTransport tcp;
    Rs485SelectTransport rs485Select;
    Rs485PacketTransport rs485Packet;
    SimulatedTransport simulated;
};

DeviceLink::DeviceLink(AppContext& context, std::unique_ptr<LinkBackends> backends)
    : context_(context), impl_(std::make_unique<Impl>(*this, context, std::move(backends)))
{
    qRegisterMetaType<LinkHealth>();
}

DeviceLink::~DeviceLink() = default;

GpibLayer& DeviceLink::gpib()
{
    return impl_->gpib;
}

void DeviceLink::useSimulated(const QString& reason)
{
    context_.state.BusCode = bus::Simulated;
    impl_->setHealth({true, true, reason});
}

const LinkHealth& DeviceLink::health() const
{
    return impl_->health;
}

const std::optional<Endpoint>& DeviceLink::endpoint() const
{
    return impl_->endpoint;
}

bool DeviceLink::reconnect(const QString& probeCommand)
{
    Impl& d = *impl_;
    if (!d.endpoint || d.reconnecting || context_.programEnding)
        return false;
    const Endpoint target = *d.endpoint;
    Transport& transport = *d.transportFor(target.bus);
    SharedState& state = context_.state;
    // Until the supply has answered, BusCode is 5: a poll that runs while this
    // waits gets the simulated answer and never meets the probe's exchange.
    d.reconnecting = true;
    const bool wasProbing = state.Probing;
    state.Probing = true; // no GPIB prompt while trying
    state.DeviceAddress = target.address;
    state.DevicePort = target.port;
    std::optional<QString> cause;
    try {
        d.closePrevious();
        state.BusCode = bus::Simulated;
        d.openBus(target.bus, transport, nullptr);
        transport.writeLine((probeCommand + QLatin1Char(LF)).toLatin1());
        QByteArray answer;
        if (d.collect(transport, answer, LF, ReconnectAnswerSeconds, ReceiveStyle{false, true})
            != ReadOutcome::Complete)
            cause = Impl::silenceReason(transport);
    } catch (const LinkFault& fault) {
        cause = fault.reason();
    }
    state.Probing = wasProbing;
    d.reconnecting = false;
    if (cause) {
        // The supply was asked for and is not there: from now on that is a loss, not a choice.
        d.setHealth({true, false, *cause});
        return false;
    }
    state.BusCode = target.bus;
    d.echo(BusLabels[target.bus] + QStringLiteral("- Reconnected: the supply answers again\r\n"));
    d.setHealth({});
    return true;
}

bool DeviceLink::InitComm()
{
    impl_->closePrevious();
    SharedState& state = context_.state;
    const int16_t bus = state.BusCode;
    if (Transport* transport = impl_->transportFor(bus)) {
        if (bus != bus::Simulated && !state.Probing)
            impl_->endpoint = Endpoint{bus, state.DeviceAddress, state.DevicePort};
        try {
            impl_->openBus(bus, *transport, &BusLabels[bus]);
        } catch (const LinkFault& fault) {
            impl_->logFault(InitHeading, fault);
            impl_->enterSimulatedMode(NotFoundText, fault.reason());
            return false;
        }
        if (bus == bus::Simulated) {
            if (!impl_->health.simulated)
                impl_->setHealth({true, true, SimulatedBySettings});
        } else if (const std::optional<LinkFault> failure = transport->failure()) {
            // A connection that failed at once is no fault of the opening (the read
            // that follows times out), but its cause belongs in the record.
            if (!state.Probing)
                impl_->logFault(InitHeading, *failure);
        } else {
            impl_->setHealth({});
        }
    } else {
        impl_->tellNoPort();
        state.BusCode = bus::Simulated;
        impl_->setHealth({true, false, SimulatedWithoutBus});
    }
    impl_->echo(QStringLiteral("- Initialized\r\n"));
    return true;
}

int32_t DeviceLink::WriteDevice(QString& cmd, bool echo)
{
    cmd += QLatin1Char(LF);
    const int32_t sent = impl_->write(cmd.toLatin1(), true);
    if (sent > 0 && echo)
        impl_->echo(cmd);
    return sent;
}

int32_t DeviceLink::WriteDevice(const QString& cmd, bool echo)
{
    QString line = cmd;
    return WriteDevice(line, echo);
}

int32_t DeviceLink::WriteDeviceBytes(const QByteArray& data, bool echo)
{
    const int32_t sent = impl_->write(data, false);
    if (sent > 0 && echo)
        impl_->echo(QString::fromLatin1(data));
    return sent;
}

int32_t DeviceLink::ReadDevice(QString& reply, int16_t timeoutSeconds, bool echo)
{
    return impl_->read(reply, timeoutSeconds, echo, ReadKind::Normal);
}

int32_t DeviceLink::ReadDeviceQuiet(QString& reply, int16_t timeoutSeconds, bool echo)
{
    return impl_->read(reply, timeoutSeconds, echo, ReadKind::Quiet);
}

int32_t DeviceLink::ReadDeviceEot(QString& reply, int16_t timeoutSeconds, bool echo)
{
    return impl_->read(reply, timeoutSeconds, echo, ReadKind::Eot);
}

void DeviceLink::FlushInput()
{
    if (Transport* transport = impl_->transportFor(context_.state.BusCode)) {
        try {
            transport->discardInput();
        } catch (const LinkFault&) {
            // Nothing waiting to discard is as good as discarded.
        }
    }
}

void DeviceLink::KeepAlive()
{
    const SharedState& state = context_.state;
    // The transport sends nothing while the socket is not connected.
    if (state.BusCode != bus::Tcp || state.LoaderActive)
        return;
    try {
        impl_->tcp.writeBytes(QByteArray(1, LF));
    } catch (const LinkFault&) {
        // A lost connection shows on the next read; a timer tick reports nothing.
    }
}

void DeviceLink::Delay(float units)
{
    const float ms = std::ceil(units * 10.0f);
    if (ms > 0)
        context_.clock.delay(int(ms));
}

void DeviceLink::SelectPacketNode(bool flag)
{
    try {
        impl_->selectPacketNode(flag);
    } catch (const LinkFault& fault) {
        impl_->logFault(WriteHeading, fault);
    }
}

void DeviceLink::SendPacketAddressChange(const QString& newAddress)
{
    try {
        impl_->packetExchange((QLatin1Char('%') + AddressHex() + ToHex2(newAddress) + QStringLiteral("58120946")
                               + QLatin1Char(CR)).toLatin1());
    } catch (const LinkFault& fault) {
        impl_->logFault(WriteHeading, fault);
    }
}

QString DeviceLink::AddressHex() const
{
    return twoDigitHex(context_.state.DeviceAddress);
}

QString DeviceLink::ToHex2(const QString& text)
{
    return twoDigitHex(text);
}

} // namespace dalto
