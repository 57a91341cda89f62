#pragma once
// The one path between the program and the power supply. Every window sends and
// reads through these operations; the bus in use is SharedState::BusCode
// (0 GPIB, 1 RS-232, 2 TCP/IP, 3 RS-485 select, 4 RS-485 packets, 5 Simulated).
//
// Operations never throw. Reads return the reply length, -1 on a time-out and 0 on a
// fault; a time-out or fault drops the link into Simulated mode after telling the
// user (unless a dialog is probing), and faults are appended to "debug.txt".

#include "core/AppContext.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>

namespace dalto {

class GpibLayer;
struct LinkBackends;

class DeviceLink {
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

    AppContext& context() { return context_; }
    // The GPIB layer the link's bus 0 uses; the GPIB finder searches the bus through it.
    GpibLayer& gpib();

private:
    struct Impl;
    AppContext& context_;
    std::unique_ptr<Impl> impl_;
};

} // namespace dalto
