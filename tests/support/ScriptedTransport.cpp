#include "ScriptedTransport.h"

#include "link/gpib/SimulatedGpibBus.h"

#include <algorithm>

namespace dalto::testing {

namespace {
const QString ScriptSource = QStringLiteral("ScriptedTransport");
}

class ScriptedTransport::Line final : public SerialLine {
public:
    explicit Line(ScriptedTransport& device) : device_(device) {}
    void open(int portNumber, int baud) override { device_.open(portNumber, baud); }
    void close() override { device_.close(Channel::Serial); }
    bool isOpen() const override { return device_.serialOpen_; }
    void write(const QByteArray& bytes) override { device_.write(Channel::Serial, bytes); }
    qint64 bytesAvailable() const override { return device_.serialOpen_ ? device_.bytesArrived() : 0; }
    QByteArray readAll() override
    {
        requireOpen();
        return device_.takeArrived();
    }
    void waitForReadyRead(int ms) override
    {
        requireOpen();
        if (device_.bytesArrived() == 0)
            device_.clock_.delay(ms);
    }
    void discardInput() override
    {
        if (device_.serialOpen_)
            device_.takeArrived();
    }

private:
    void requireOpen()
    {
        device_.throwIfScripted(device_.readFault_);
        if (!device_.serialOpen_)
            throw LinkFault{QStringLiteral("The device is not open"), ScriptSource, 8012};
    }
    ScriptedTransport& device_;
};

class ScriptedTransport::Socket final : public StreamSocket {
public:
    explicit Socket(ScriptedTransport& device) : device_(device) {}
    void connectToHost(const QString& host, int32_t port) override { device_.connect(host, port); }
    bool isConnected() const override { return device_.connected(); }
    bool isActive() const override { return device_.socketActive_; }
    void close() override { device_.close(Channel::Socket); }
    void write(const QByteArray& bytes) override { device_.write(Channel::Socket, bytes); }
    qint64 bytesAvailable() const override { return device_.connected() ? device_.bytesArrived() : 0; }
    QByteArray readAll() override
    {
        device_.throwIfScripted(device_.readFault_);
        return device_.connected() ? device_.takeArrived() : QByteArray();
    }
    void waitForReadyRead(int ms) override
    {
        if (device_.connected() && device_.bytesArrived() == 0)
            device_.clock_.delay(ms);
    }
    void discardInput() override
    {
        if (device_.connected())
            device_.takeArrived();
    }
    std::optional<LinkFault> failure() const override
    {
        return device_.socketActive_ ? std::nullopt : device_.connectionFailure_;
    }

private:
    ScriptedTransport& device_;
};

ScriptedTransport::ScriptedTransport(FakeClock& clock) : clock_(clock) {}

ScriptedTransport::~ScriptedTransport() = default;

std::unique_ptr<LinkBackends> ScriptedTransport::backends(std::unique_ptr<GpibDriver> gpib)
{
    auto backends = std::make_unique<LinkBackends>();
    backends->serialLine = std::make_unique<Line>(*this);
    backends->socket = std::make_unique<Socket>(*this);
    backends->gpibDriver = gpib ? std::move(gpib) : std::make_unique<SimulatedGpibBus>();
    return backends;
}

void ScriptedTransport::reply(const QByteArray& bytes, double afterSeconds, AnswersTo trigger)
{
    queued_.push_back(Queued{bytes, afterSeconds, trigger});
}

void ScriptedTransport::deliverAt(double time, const QByteArray& bytes)
{
    // Kept in order of arrival; bytes due at the same time stay in script order.
    const auto later = std::upper_bound(arrivals_.begin(), arrivals_.end(), time,
                                        [](double t, const Arrival& a) { return t < a.time; });
    arrivals_.insert(later, Arrival{time, bytes});
}

std::vector<WireEvent> ScriptedTransport::writes() const
{
    std::vector<WireEvent> result;
    std::copy_if(events_.begin(), events_.end(), std::back_inserter(result),
                 [](const WireEvent& e) { return e.kind == WireEvent::Kind::Write; });
    return result;
}

QStringList ScriptedTransport::linesSince(qsizetype& mark) const
{
    const QByteArray all = written();
    QStringList lines = QString::fromLatin1(all.mid(mark)).split(QLatin1Char('\n'));
    mark = all.size();
    lines.removeLast();
    return lines;
}

QByteArray ScriptedTransport::written() const
{
    QByteArray all;
    for (const WireEvent& e : writes())
        all += e.bytes;
    return all;
}

qsizetype ScriptedTransport::unreadBytes() const
{
    qsizetype total = 0;
    for (const Arrival& a : arrivals_)
        total += a.bytes.size();
    return total;
}

void ScriptedTransport::record(WireEvent event)
{
    event.time = clock_.now();
    events_.push_back(std::move(event));
}

void ScriptedTransport::throwIfScripted(std::optional<LinkFault>& fault)
{
    if (fault) {
        const LinkFault thrown = *fault;
        fault.reset();
        throw thrown;
    }
}

void ScriptedTransport::open(int port, int baud)
{
    throwIfScripted(openFault_);
    serialOpen_ = true;
    record(WireEvent{WireEvent::Kind::Open, Channel::Serial, 0, {}, port, baud, {}});
}

void ScriptedTransport::close(Channel channel)
{
    (channel == Channel::Serial ? serialOpen_ : socketActive_) = false;
    willConnect_ = false;
    record(WireEvent{WireEvent::Kind::Close, channel, 0, {}, 0, 0, {}});
}

void ScriptedTransport::failConnections(LinkFault why)
{
    connectionFailure_ = std::move(why);
    socketActive_ = false;
}

void ScriptedTransport::acceptConnections()
{
    connectionFailure_.reset();
    connectDelay_ = 0.0;
}

void ScriptedTransport::connect(const QString& host, int port)
{
    throwIfScripted(openFault_);
    socketActive_ = !connectionFailure_;
    willConnect_ = connectDelay_.has_value();
    connectedAt_ = clock_.now() + connectDelay_.value_or(0);
    record(WireEvent{WireEvent::Kind::Connect, Channel::Socket, 0, {}, port, 0, host});
}

bool ScriptedTransport::connected() const
{
    return socketActive_ && willConnect_ && clock_.now() >= connectedAt_;
}

void ScriptedTransport::write(Channel channel, const QByteArray& bytes)
{
    throwIfScripted(writeFault_);
    const bool usable = channel == Channel::Serial ? serialOpen_ : connected();
    if (!usable)
        throw LinkFault{QStringLiteral("not open"), ScriptSource, 8012};
    record(WireEvent{WireEvent::Kind::Write, channel, 0, bytes, 0, 0, {}});
    if (!queued_.empty() && (queued_.front().trigger == AnswersTo::AnyWrite || bytes.contains('\n'))) {
        deliverAt(clock_.now() + queued_.front().afterSeconds, queued_.front().bytes);
        queued_.pop_front();
    }
    if (onWrite_)
        onWrite_(bytes);
}

qint64 ScriptedTransport::bytesArrived() const
{
    qint64 total = 0;
    for (const Arrival& a : arrivals_) {
        if (a.time > clock_.now())
            break;
        total += a.bytes.size();
    }
    return total;
}

QByteArray ScriptedTransport::takeArrived()
{
    QByteArray taken;
    auto due = arrivals_.begin();
    while (due != arrivals_.end() && due->time <= clock_.now())
        taken += (due++)->bytes;
    arrivals_.erase(arrivals_.begin(), due);
    return taken;
}

} // namespace dalto::testing
