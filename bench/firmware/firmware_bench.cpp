// The firmware loader against dalto-sim's boot loader over a pseudo-terminal pair:
// the flash time of a 64 KiB image at 19200 bit/s against the time its bytes need
// on the wire, and the processor time the program spends while it waits for a boot
// loader that never answers.
#include "SimulatorFlash.h"
#include "firmware/BootPackets.h"
#include "firmware/HexFile.h"

#include <QTimer>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <random>

namespace {

using namespace dalto;
using dalto::testing::SimulatorFlash;

constexpr int LineRate = 19200;
constexpr int BitsPerByte = 10;
constexpr int ImageBytes = 64 * 1024;
// What dalto-sim's boot loader answers: "B" EOT to a probe, "ACK" EOT to a packet.
constexpr qint64 ProbeAnswerBytes = 2;
constexpr qint64 AcknowledgementBytes = 4;
constexpr int WaitMs = 3000;

QByteArray randomImage()
{
    std::mt19937 random(7);
    QByteArray image(ImageBytes, '\0');
    for (char& byte : image)
        byte = char(random() & 0xFF);
    return image;
}

// Every byte the transfer of file puts on the line, both ways: one probe and its
// answer, the 32 erase packets, a write packet for each data record the loader
// sends (the reset vector at 0000 below 64 KiB stays out) and an acknowledgement
// for every packet.
qint64 wireBytes(const firmware::HexFile& file)
{
    qint64 bytes = 1 + ProbeAnswerBytes;
    bytes += firmware::Create_Erase(0x200).size() + AcknowledgementBytes;
    for (uint32_t address = 0x1000; address <= 0x1F000; address += 0x1000)
        bytes += firmware::Create_Erase(address).size() + AcknowledgementBytes;
    uint16_t upper = 0;
    for (const firmware::HexRecord& record : file.records) {
        if (record.type == uint8_t(firmware::RecordType::ExtendedLinearAddress))
            upper = record.upperAddress();
        else if (record.type == uint8_t(firmware::RecordType::Data) && !(upper == 0 && record.address == 0))
            bytes += firmware::BuildDataPacket(record, upper).size() + AcknowledgementBytes;
    }
    return bytes;
}

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// From Start to the acknowledgement of the last data record; the restart and the
// check after it are no part of flashing and are left out (the loader is stopped there).
void BM_Flash64KiBAt19200(benchmark::State& state)
{
    const QByteArray image = randomImage();
    double wire = 0;
    for (auto _ : state) {
        SimulatorFlash rig({QStringLiteral("--line-rate"), QString::number(LineRate)});
        const QString hex = rig.makeHexFile(image);
        if (!rig.problem().isEmpty()) {
            state.SkipWithError(qPrintable(rig.problem()));
            return;
        }
        const firmware::HexFile file = firmware::loadHexFile(hex);
        wire = double(wireBytes(file)) * BitsPerByte / LineRate;
        const int lastDataLine = int(file.records.size()) - 1; // the end-of-file record's index
        double loaded = 0;
        bool loading = false;
        rig.host.onProgress = [&](int value) {
            loading = loading || rig.host.statuses.back() == firmware::LoaderStatus::Loading;
            if (loading && value == lastDataLine) {
                loaded = rig.clock.now();
                rig.loader->stop();
            }
        };
        const double started = rig.clock.now();
        rig.loader->run(hex);
        if (loaded == 0) {
            state.SkipWithError("the transfer did not reach the last record");
            return;
        }
        state.SetIterationTime(loaded - started);
        state.counters["ratio_to_wire"] = (loaded - started) / wire;
    }
    state.counters["wire_s"] = wire;
}
BENCHMARK(BM_Flash64KiBAt19200)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

// Initiating against a supply that is not in its boot loader: probes and reads
// until the loader is stopped after WaitMs.
void BM_WaitForSilentBootLoader(benchmark::State& state)
{
    for (auto _ : state) {
        SimulatorFlash rig({}, false);
        const QString hex = rig.makeHexFile(QByteArray(0x1000, '\x5A'));
        if (!rig.problem().isEmpty()) {
            state.SkipWithError(qPrintable(rig.problem()));
            return;
        }
        QTimer::singleShot(WaitMs, [&rig] { rig.loader->stop(); });
        const double cpuBefore = processorSeconds();
        const double started = rig.clock.now();
        rig.loader->run(hex);
        const double wall = rig.clock.now() - started;
        state.SetIterationTime(wall);
        state.counters["cpu_percent_of_a_core"] = 100 * (processorSeconds() - cpuBefore) / wall;
    }
}
BENCHMARK(BM_WaitForSilentBootLoader)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

} // namespace
