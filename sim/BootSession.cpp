#include "sim/BootSession.h"

#include <QSaveFile>

namespace dalto::sim {

BootSession::BootSession(Device& device, TrafficLog& log, QString channel, BootOptions options, QObject* parent)
    : QObject(parent)
    , device_(device)
    , log_(log)
    , channel_(std::move(channel))
    , options_(std::move(options))
{
    probeTimer_.setSingleShot(true);
    probeTimer_.setInterval(ProbeQuietMs);
    probeTimer_.setTimerType(Qt::PreciseTimer);
    connect(&probeTimer_, &QTimer::timeout, this, &BootSession::answerProbe);
    connect(&device_.bootRequest, &BootRequest::raised, this, &BootSession::enter);
    if (options_.startInBootLoader)
        enter();
}

void BootSession::enter()
{
    reader_ = BootFrameReader();
    answeredStx_ = 0;
    acknowledged_ = 0;
    packets_ = 0;
    probeAnswered_ = false;
    state_ = State::Loading;
    log_.note(channel_, QStringLiteral("boot loader started"));
}

void BootSession::feed(QByteArrayView bytes)
{
    if (state_ != State::Loading)
        return;
    log_.received(channel_, bytes);
    for (char byte : bytes) {
        if (const auto frame = reader_.feed(byte))
            handleFrame(*frame);
        if (reader_.pendingStx() == 0)
            answeredStx_ = 0;
        if (state_ != State::Loading)
            return;
    }
    if (reader_.pendingStx() > answeredStx_ && !probeTimer_.isActive())
        probeTimer_.start();
}

void BootSession::answerProbe()
{
    if (state_ != State::Loading || reader_.pendingStx() <= answeredStx_)
        return;
    answeredStx_ = reader_.pendingStx();
    send(BootLoader::probeAnswer());
    if (!probeAnswered_ && options_.secondProbeAnswerMs) {
        QTimer::singleShot(*options_.secondProbeAnswerMs, this, [this] {
            if (state_ == State::Loading)
                send(BootLoader::probeAnswer());
        });
    }
    probeAnswered_ = true;
}

void BootSession::handleFrame(const BootFrame& frame)
{
    const int packet = ++packets_;
    if (!frame.good()) {
        log_.note(channel_, QStringLiteral("boot loader refused a packet: ") + frame.fault);
        answer(packet, BootLoader::refusal());
        return;
    }
    if (options_.refusedPackets.count(packet) != 0) {
        log_.note(channel_, QStringLiteral("boot loader refused packet %1 as planned").arg(packet));
        answer(packet, BootLoader::refusal());
        return;
    }
    const BootLoader::Outcome outcome = loader_.handle(frame.body);
    log_.note(channel_, QStringLiteral("boot loader: ") + outcome.note);
    if (outcome.reset) {
        restart();
        return;
    }
    answer(packet, outcome.reply);
    if (outcome.reply == BootLoader::acknowledgement() && options_.stopAfter && ++acknowledged_ >= *options_.stopAfter) {
        state_ = State::Silent;
        log_.note(channel_, QStringLiteral("boot loader fell silent"));
    }
}

void BootSession::answer(int packet, const QByteArray& bytes)
{
    const auto late = options_.lateReplies.find(packet);
    if (late == options_.lateReplies.end()) {
        send(bytes);
        return;
    }
    log_.note(channel_, QStringLiteral("boot loader answers packet %1 %2 ms late").arg(packet).arg(late->second));
    QTimer::singleShot(late->second, this, [this, bytes] {
        if (state_ == State::Loading)
            send(bytes);
    });
}

void BootSession::send(const QByteArray& bytes)
{
    log_.sent(channel_, bytes);
    emit reply(bytes);
}

void BootSession::restart()
{
    state_ = State::Restarting;
    probeTimer_.stop();
    saveImage();
    QTimer::singleShot(RestartMs, this, [this] {
        device_.reset();
        if (!options_.flashVersion.isEmpty())
            device_.calibration.loadFirmware(options_.flashVersion);
        state_ = State::Off;
        log_.note(channel_, QStringLiteral("restarted with firmware ") + device_.calibration.firmwareVersion());
    });
}

void BootSession::saveImage()
{
    if (options_.imageFile.isEmpty())
        return;
    QSaveFile file(options_.imageFile);
    if (file.open(QIODevice::WriteOnly) && file.write(loader_.memory().image()) >= 0 && file.commit())
        log_.note(channel_, QStringLiteral("image written to ") + options_.imageFile);
    else
        log_.note(channel_, QStringLiteral("cannot write the image %1: %2").arg(options_.imageFile, file.errorString()));
}

} // namespace dalto::sim
