#pragma once
// A supply's boot loader behind the scripted serial line: it answers the probe,
// takes every packet apart, acknowledges it (or gives the reply a test scripts),
// keeps what was written and, after the reset packet, answers as the supply.

#include "ScriptedTransport.h"
#include "firmware/BootPackets.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace dalto::testing {

class BootLoaderDevice {
public:
    BootLoaderDevice(ScriptedTransport& line, FakeClock& clock);

    // Scripting. The boot loader answers no probe; replies to packet number index
    // (0-based, counting every packet) with reply instead of an acknowledgement;
    // stops answering packets from packet index on; after the reset stays silent.
    bool answersProbe = true;
    void replyToPacket(size_t index, const QByteArray& reply) { scripted_[index] = reply; }
    void silentFromPacket(size_t index) { silentFrom_ = index; }
    bool silentAfterReset = false;
    QString firmwareVersion = QStringLiteral("2.34");
    QString modSelection = QStringLiteral("1,0");
    // Row n's reply to "MOD:TABL? n" is n + rows[n-1] ("(0.5,1)").
    QStringList rows = QStringList(20, QStringLiteral("(0.5,1)"));

    // What it saw.
    int probes = 0;
    std::vector<firmware::UnframedPacket> packets;
    std::vector<uint32_t> erasedAddresses() const;
    // Bytes written by program- and other-memory packets, by address.
    std::map<uint32_t, uint8_t> memory;
    bool restarted = false;
    QStringList commands; // command lines received after the reset

private:
    void received(const QByteArray& bytes);
    void packet(const QByteArray& frame);
    void command(const QString& line);
    void answer(const QByteArray& reply);

    ScriptedTransport& line_;
    FakeClock& clock_;
    std::map<size_t, QByteArray> scripted_;
    size_t silentFrom_ = SIZE_MAX;
};

} // namespace dalto::testing
