// Device link over TCP loopback: round trips against a bare QTcpSocket loop, and
// the CPU a read costs while it waits out a time-out on a silent device.
#include "core/AppContext.h"
#include "link/DeviceLink.h"
#include "link/LinkBackends.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

namespace {

using namespace dalto;

// A device on 127.0.0.1 served by its own thread with blocking sockets, so that
// it shares nothing with the link's event loop. It answers each non-empty
// command line with one reply line, or stays silent.
class LoopbackDevice {
public:
    explicit LoopbackDevice(bool answers) : answers_(answers)
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, 4);
        socklen_t length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }

    ~LoopbackDevice()
    {
        ::shutdown(listener_, SHUT_RDWR);
        ::close(listener_);
        thread_.join();
    }

    int port() const { return port_; }

private:
    void serve()
    {
        for (;;) {
            const int client = ::accept(listener_, nullptr, nullptr);
            if (client < 0)
                return;
            std::thread([this, client] { answer(client); }).detach();
        }
    }

    void answer(int client)
    {
        static const char Reply[] = "1.000\r\n";
        char buffer[4096];
        bool lineHasText = false;
        ssize_t got;
        while ((got = ::recv(client, buffer, sizeof buffer, 0)) > 0) {
            for (ssize_t i = 0; i < got; ++i) {
                if (buffer[i] != '\n') {
                    lineHasText = true;
                    continue;
                }
                if (lineHasText && answers_)
                    ::send(client, Reply, sizeof Reply - 1, MSG_NOSIGNAL);
                lineHasText = false;
            }
        }
        ::close(client);
    }

    bool answers_;
    int listener_ = -1;
    int port_ = 0;
    std::thread thread_;
};

class SilentPrompts final : public Prompts {
public:
    PromptAnswer message(const QString&, const QString&, PromptButtons, PromptIcon) override { return PromptAnswer::Ok; }
    QString pickFile(const FilePickRequest&) override { return {}; }
    QString inputValue(const QString&, const QString&) override { return {}; }
};

// A link initialised on TCP to the device.
struct TcpLinkRig {
    explicit TcpLinkRig(int port)
    {
        context.state.BusCode = 2;
        context.state.DeviceAddress = QStringLiteral("127.0.0.1");
        context.state.DevicePort = port;
        link.InitComm();
    }

    QTemporaryDir folder;
    SteadyClock clock;
    SilentPrompts prompts;
    AppContext context{clock, prompts, Paths(folder.path(), folder.path() + "/Dalto_Panel.ini", folder.path())};
    DeviceLink link{context, realLinkBackends(context)};
};

const QString Command = QStringLiteral("MEAS:VOLT?");

bool linkRoundTrip(DeviceLink& link)
{
    QString reply;
    link.WriteDevice(Command, false);
    return link.ReadDevice(reply, 2, false) > 0;
}

bool bareRoundTrip(QTcpSocket& socket)
{
    socket.write("MEAS:VOLT?\n");
    socket.flush();
    QByteArray reply;
    while (!reply.endsWith('\n')) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(2000))
            return false;
        reply += socket.readAll();
    }
    return true;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Both loops run in short alternating blocks in the same run, so that a change of
// machine load affects them alike; the fastest block of each side is its figure,
// the usual way to see through the noise of a shared machine.
void BM_TcpRoundTrips(benchmark::State& state)
{
    LoopbackDevice device(true);
    TcpLinkRig rig(device.port());
    QTcpSocket bare;
    bare.connectToHost(QStringLiteral("127.0.0.1"), quint16(device.port()));
    if (!bare.waitForConnected(3000) || rig.context.state.BusCode != 2) {
        state.SkipWithError("loopback device not reachable");
        return;
    }
    constexpr int Blocks = 40;
    constexpr int PerBlock = 100;
    double bestLink = 1e9;
    double bestBare = 1e9;
    double linkSeconds = 0;
    double bareSeconds = 0;
    for (auto _ : state) {
        for (int block = 0; block < Blocks; ++block) {
            auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < PerBlock; ++i)
                if (!bareRoundTrip(bare))
                    return state.SkipWithError("bare loop lost its reply");
            const double bareBlock = secondsSince(start);
            start = std::chrono::steady_clock::now();
            for (int i = 0; i < PerBlock; ++i)
                if (!linkRoundTrip(rig.link))
                    return state.SkipWithError("link lost its reply");
            const double linkBlock = secondsSince(start);
            bestBare = std::min(bestBare, bareBlock);
            bestLink = std::min(bestLink, linkBlock);
            bareSeconds += bareBlock;
            linkSeconds += linkBlock;
        }
    }
    const double trips = double(state.iterations()) * Blocks * PerBlock;
    state.counters["link_round_trips_per_s"] = PerBlock / bestLink;
    state.counters["bare_round_trips_per_s"] = PerBlock / bestBare;
    state.counters["link_to_bare_ratio"] = bestBare / bestLink;
    state.counters["mean_link_to_bare_ratio"] = bareSeconds / linkSeconds;
    std::printf("TCP round trips per second (best block): link %.0f, bare QTcpSocket %.0f, ratio %.3f "
                "(over all %.0f trips: ratio %.3f)\n",
                PerBlock / bestLink, PerBlock / bestBare, bestBare / bestLink, trips, bareSeconds / linkSeconds);
}
BENCHMARK(BM_TcpRoundTrips)->Unit(benchmark::kMillisecond)->Iterations(3);

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

void BM_SilentDeviceTimeOutCpu(benchmark::State& state)
{
    LoopbackDevice device(false);
    TcpLinkRig rig(device.port());
    double cpuSeconds = 0;
    double wallSeconds = 0;
    for (auto _ : state) {
        rig.context.state.BusCode = 2;
        rig.link.WriteDevice(Command, false);
        const double cpuStart = processCpuSeconds();
        const auto wallStart = std::chrono::steady_clock::now();
        QString reply;
        const int32_t result = rig.link.ReadDevice(reply, 2, false);
        wallSeconds += secondsSince(wallStart);
        cpuSeconds += processCpuSeconds() - cpuStart;
        if (result != -1)
            return state.SkipWithError("the silent device answered");
    }
    const double percent = 100.0 * cpuSeconds / wallSeconds;
    state.counters["wall_s_per_read"] = wallSeconds / double(state.iterations());
    state.counters["cpu_percent_of_core"] = percent;
    std::printf("ReadDevice waiting out a 2 s time-out: %.3f s wall, %.4f s CPU = %.2f %% of one core\n",
                wallSeconds / double(state.iterations()), cpuSeconds / double(state.iterations()), percent);
}
BENCHMARK(BM_SilentDeviceTimeOutCpu)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
