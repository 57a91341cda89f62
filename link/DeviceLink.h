#pragma once
// The one path between the program and the power supply. Every window sends and
// reads through these operations; the bus in use is SharedState::BusCode
// (0 GPIB, 1 RS-232, 2 TCP/IP, 3 RS-485 select, 4 RS-485 packets, 5 Simulated).
//
// Operations never throw. Reads return the reply length, -1 on a time-out and 0 on a
// fault; a time-out or fault drops the link into Simulated mode after telling the
// user (unless a dialog is probing), and faults are appended to "debug.txt".
//
// The link keeps a health record: whether it is in Simulated mode, whether that
// was chosen or the supply was lost, and why. healthChanged tells the windows.
// reconnect() opens the configured connection again once the supply answers.

#include "LinkHealth.h"
#include "core/AppContext.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

namespace dalto {

class GpibLayer;
struct LinkBackends;

class DeviceLink final : public QObject {
    Q_OBJECT
public:
    // backends: how the link reaches serial lines, sockets and the GPIB library;
    // tests hand in scripted ones.
    DeviceLink(AppContext& context, std::unique_ptr<LinkBackends> backends);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    bool InitComm();
    // Appends LF to cmd (the caller's text changes) and sends it.
    int32_t WriteDevice(QString& cmd, bool echo);
    int32_t WriteDevice(const QString& cmd, bool echo);
    int32_t ReadDevice(QString& reply, int16_t timeoutSeconds, bool echo);
    int32_t ReadDeviceQuiet(QString& reply, int16_t timeoutSeconds, bool echo);
    int32_t ReadDeviceEot(QString& reply, int16_t timeoutSeconds, bool echo);
    int32_t WriteDeviceBytes(const QByteArray& data, bool echo);
    void FlushInput();
    void KeepAlive();
    void Delay(float units);
    void SelectPacketNode(bool flag);
    void SendPacketAddressChange(const QString& newAddress);
    QString AddressHex() const;
    static QString ToHex2(const QString& text);

    // Simulated mode on purpose (the Communication menu): BusCode 5, the reason kept.
    // The open port stays open; InitComm closes it.
    void useSimulated(const QString& reason);
    const LinkHealth& health() const;
    // The connection the settings name, once InitComm has opened one; Reconnect
    // opens it again.
    const std::optional<Endpoint>& endpoint() const;
    // Opens the endpoint again and sends probeCommand: when the supply answers, the
    // link leaves Simulated mode for it and says so in the transcript. Shows no
    // message; the windows keep running meanwhile. While it runs, other exchanges
    // get the simulated answers. False when there is no endpoint or no answer.
    bool reconnect(const QString& probeCommand);

    AppContext& context() { return context_; }
    // The GPIB layer the link's bus 0 uses; the GPIB finder searches the bus through it.
    GpibLayer& gpib();

signals:
    void healthChanged(const dalto::LinkHealth& health);

private:
    struct Impl;
    AppContext& context_;
    std::unique_ptr<Impl> impl_;
};

} // namespace dalto
