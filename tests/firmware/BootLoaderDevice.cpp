#include "BootLoaderDevice.h"

namespace dalto::testing {

namespace {
const QByteArray Acknowledgement = QByteArrayLiteral("ACK\x04");
} // namespace

BootLoaderDevice::BootLoaderDevice(ScriptedTransport& line, FakeClock& clock) : line_(line), clock_(clock)
{
    line_.onWrite([this](const QByteArray& bytes) { received(bytes); });
}

std::vector<uint32_t> BootLoaderDevice::erasedAddresses() const
{
    std::vector<uint32_t> addresses;
    for (const firmware::UnframedPacket& p : packets) {
        if (uint8_t(p.body[0]) == firmware::EraseCommand)
            addresses.push_back(uint8_t(p.body[2]) | uint8_t(p.body[3]) << 8 | uint8_t(p.body[4]) << 16);
    }
    return addresses;
}

void BootLoaderDevice::received(const QByteArray& bytes)
{
    if (restarted) {
        for (const QByteArray& line : bytes.split('\n')) {
            if (!line.isEmpty())
                command(QString::fromLatin1(line));
        }
    } else if (bytes == firmware::OneByte(firmware::STX)) {
        ++probes;
        if (answersProbe) {
            answer("K\x04");
            if (probes == 1 && secondProbeAnswer_ >= 0)
                answer("K\x04", secondProbeAnswer_);
        }
    } else {
        packet(bytes);
    }
}

void BootLoaderDevice::packet(const QByteArray& frame)
{
    const auto unframed = firmware::unframePacket(frame);
    const size_t index = packets.size();
    if (!unframed || !unframed->checksumMatches()) {
        answer("?\x04");
        return;
    }
    packets.push_back(*unframed);
    const QByteArray& body = unframed->body;
    if (uint8_t(body[0]) == firmware::ResetCommand) {
        restarted = true;
        return;
    }
    if (index >= silentFrom_)
        return;
    if (auto reply = scripted_.find(index); reply != scripted_.end()) {
        answer(reply->second);
        return;
    }
    if (uint8_t(body[0]) == firmware::ProgramWriteCommand || uint8_t(body[0]) == firmware::OtherWriteCommand) {
        const uint32_t address = uint8_t(body[2]) | uint8_t(body[3]) << 8 | uint8_t(body[4]) << 16;
        for (qsizetype i = 5; i < body.size(); ++i)
            memory[address + uint32_t(i - 5)] = uint8_t(body[i]);
    }
    const auto late = late_.find(index);
    answer(Acknowledgement, late == late_.end() ? 0 : late->second);
}

void BootLoaderDevice::command(const QString& line)
{
    commands << line;
    if (silentAfterReset)
        return;
    if (line == QLatin1String("VOLT?"))
        answer("5.000\r\n");
    else if (line == QLatin1String("<>ALL"))
        answer("1388,3E8,4074,1ADB0,3E8,2,3E8\r\n");
    else if (line == QLatin1String("SYST:VERS?"))
        answer(("Control firmware " + firmwareVersion + " Interface firmware 1.27\r\n").toLatin1());
    else if (line == QLatin1String("MOD:TYPE:SEL?"))
        answer((modSelection + "\r\n").toLatin1());
    else if (line.startsWith(QLatin1String("MOD:TABL? "))) {
        const int row = line.mid(10).toInt();
        answer((QString::number(row) + rows.value(row - 1) + "\r\n").toLatin1());
    }
}

void BootLoaderDevice::answer(const QByteArray& reply, double afterSeconds)
{
    line_.deliverAt(clock_.now() + answerSeconds + afterSeconds, reply);
}

} // namespace dalto::testing
