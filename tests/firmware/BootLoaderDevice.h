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

    // Scripting. The boot loader answers no probe; answers the first probe a second
    // time that many seconds later; replies to packet number index (0-based,
    // counting every packet) with reply instead of an acknowledgement (and does not
    // carry it out); acknowledges packet index that many seconds late; stops
    // answering packets from packet index on; after the reset stays silent.
    bool answersProbe = true;
    void answerFirstProbeAgainAfter(double seconds) { secondProbeAnswer_ = seconds; }
    void replyToPacket(size_t index, const QByteArray& reply) { scripted_[index] = reply; }
    void acknowledgeLate(size_t index, double seconds) { late_[index] = seconds; }
    void silentFromPacket(size_t index) { silentFrom_ = index; }
    bool silentAfterReset = false;
    // How long it takes to answer (a real flash erase takes longer).
    double answerSeconds = 0.003;
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
    void answer(const QByteArray& reply, double afterSeconds = 0);

    ScriptedTransport& line_;
    FakeClock& clock_;
    std::map<size_t, QByteArray> scripted_;
    std::map<size_t, double> late_;
    double secondProbeAnswer_ = -1;
    size_t silentFrom_ = SIZE_MAX;
};

} // namespace dalto::testing
