#pragma once
// The boot loader on the serial line, from the power cycle that starts it to
// the restart after the reset packet: it answers the host's probes, hands
// every packet to the BootLoader, writes the programmed image to a file and,
// after the restart's silence, gives the line back to the supply with the
// firmware version it was flashed to.

#include "sim/BootFrameReader.h"
#include "sim/BootLoader.h"
#include "sim/BootOptions.h"
#include "sim/Device.h"
#include "sim/TrafficLog.h"

#include <QByteArrayView>
#include <QObject>
#include <QTimer>

namespace dalto::sim {

class BootSession : public QObject {
    Q_OBJECT
public:
    // How long the line stays quiet after a probe before it is answered:
    // STX bytes followed at once by more of a packet are not a probe.
    static constexpr int ProbeQuietMs = 5;
    // How long the controller is silent while it restarts.
    static constexpr int RestartMs = 1500;

    BootSession(Device& device, TrafficLog& log, QString channel, BootOptions options, QObject* parent = nullptr);

    // True from the power cycle until the supply answers again.
    bool active() const { return state_ != State::Off; }
    // The power cycle into the boot loader (start option or SIM:BOOT).
    void enter();
    void feed(QByteArrayView bytes);

signals:
    void reply(const QByteArray& bytes);

private:
    enum class State { Off, Loading, Silent, Restarting };

    void handleFrame(const BootFrame& frame);
    void answerProbe();
    void answer(int packet, const QByteArray& bytes);
    void send(const QByteArray& bytes);
    void restart();
    void saveImage();

    Device& device_;
    TrafficLog& log_;
    QString channel_;
    BootOptions options_;
    State state_ = State::Off;
    BootFrameReader reader_;
    BootLoader loader_;
    int answeredStx_ = 0;
    int acknowledged_ = 0;
    int packets_ = 0;
    bool probeAnswered_ = false;
    QTimer probeTimer_;
};

} // namespace dalto::sim
