// Device link over TCP loopback: round trips against a bare QTcpSocket loop, the
// round trip right after a keep-alive, and the CPU a read costs while it waits out
// a time-out on a silent device.
#include "core/AppContext.h"
#include "link/DeviceLink.h"
#include "link/LinkBackends.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

namespace {

using namespace dalto;

// A device on 127.0.0.1 served by one thread of its own with blocking sockets, so
// that it shares nothing with the link's event loop. That one thread serves every
// connection, so that the link and the bare loop meet the same peer with the same
// wake-ups and placement on the processors. It answers each non-empty command line
// with one reply line, or stays silent.
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
        stop_ = ::eventfd(0, 0);
        thread_ = std::thread([this] { serve(); });
    }

    ~LoopbackDevice()
    {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t woken = ::write(stop_, &one, sizeof one);
        thread_.join();
        ::close(listener_);
    }

    int port() const { return port_; }

private:
    struct Client {
        int fd;
        bool lineHasText = false;
    };

    void serve()
    {
        std::vector<Client> clients;
        std::vector<pollfd> waits;
        for (;;) {
            waits = {{stop_, POLLIN, 0}, {listener_, POLLIN, 0}};
            for (const Client& client : clients)
                waits.push_back({client.fd, POLLIN, 0});
            if (::poll(waits.data(), waits.size(), -1) < 0)
                continue;
            if (waits[0].revents != 0)
                break;
            for (std::size_t k = 0; k < clients.size(); ++k) {
                if (waits[k + 2].revents != 0 && !answer(clients[k])) {
                    ::close(clients[k].fd);
                    clients[k].fd = -1;
                }
            }
            std::erase_if(clients, [](const Client& client) { return client.fd < 0; });
            if (waits[1].revents & POLLIN) {
                const int fd = ::accept(listener_, nullptr, nullptr);
                if (fd >= 0)
                    clients.push_back(Client{fd});
            }
        }
        for (const Client& client : clients)
            ::close(client.fd);
        ::close(stop_);
    }

    // Reads what the client sent and answers its complete lines; false once the
    // client has gone.
    bool answer(Client& client)
    {
        static const char Reply[] = "1.000\r\n";
        char buffer[4096];
        const ssize_t got = ::recv(client.fd, buffer, sizeof buffer, 0);
        for (ssize_t i = 0; i < got; ++i) {
            if (buffer[i] != '\n') {
                client.lineHasText = true;
                continue;
            }
            if (client.lineHasText && answers_)
                ::send(client.fd, Reply, sizeof Reply - 1, MSG_NOSIGNAL);
            client.lineHasText = false;
        }
        return got > 0;
    }

    bool answers_;
    int listener_ = -1;
    int stop_ = -1;
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

// Seconds that count round trips take; negative when a reply was lost.
template <class RoundTrip>
double blockSeconds(int count, RoundTrip roundTrip)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i)
        if (!roundTrip())
            return -1.0;
    return secondsSince(start);
}

// The q-th quantile (0..1) of values, by nearest rank.
double quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    const auto rank = std::size_t(std::ceil(q * double(values.size())));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

// Both loops run in blocks, one of each per pair and the order swapped from pair
// to pair, so that a change of machine load or clock speed touches both sides of a
// pair alike; a block spans several scheduler ticks. Each pair gives one ratio (bare block time / link block time);
// their median is the figure, their 10th percentile how bad a slow stretch gets.
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
    constexpr int Pairs = 20;
    constexpr int PerBlock = 3000;
    const auto bareBlock = [&bare] { return blockSeconds(PerBlock, [&bare] { return bareRoundTrip(bare); }); };
    const auto linkBlock = [&rig] { return blockSeconds(PerBlock, [&rig] { return linkRoundTrip(rig.link); }); };
    std::vector<double> ratios;
    std::vector<double> linkRates;
    std::vector<double> bareRates;
    for (auto _ : state) {
        for (int pair = 0; pair < Pairs; ++pair) {
            const bool bareFirst = pair % 2 == 0;
            const double first = bareFirst ? bareBlock() : linkBlock();
            const double second = bareFirst ? linkBlock() : bareBlock();
            const double bareSeconds = bareFirst ? first : second;
            const double linkSeconds = bareFirst ? second : first;
            if (bareSeconds < 0 || linkSeconds < 0)
                return state.SkipWithError("a reply was lost");
            ratios.push_back(bareSeconds / linkSeconds);
            linkRates.push_back(PerBlock / linkSeconds);
            bareRates.push_back(PerBlock / bareSeconds);
        }
    }
    const double median = quantile(ratios, 0.5);
    const double p10 = quantile(ratios, 0.1);
    state.counters["ratio_median"] = median;
    state.counters["ratio_p10"] = p10;
    state.counters["link_round_trips_per_s"] = quantile(linkRates, 0.5);
    state.counters["bare_round_trips_per_s"] = quantile(bareRates, 0.5);
    std::printf("link/bare round-trip ratio: median %.3f, p10 %.3f\n", median, p10);
    // The 90th percentile beside the 10th tells machine noise (both tails alike)
    // from a link that is slow now and then (only the low tail).
    std::printf("  over %zu pairs of %d-trip blocks (p90 %.3f); median round trips per second: link %.0f, bare "
                "QTcpSocket %.0f\n",
                ratios.size(), PerBlock, quantile(ratios, 0.9), quantile(linkRates, 0.5), quantile(bareRates, 0.5));
}
BENCHMARK(BM_TcpRoundTrips)->Unit(benchmark::kMillisecond)->Iterations(3);

// The keep-alive LF gets no answer, so its acknowledgement may be held back; a
// command that must wait for it before it leaves costs the whole hold-back.
void BM_RoundTripAfterKeepAlive(benchmark::State& state)
{
    LoopbackDevice device(true);
    TcpLinkRig rig(device.port());
    std::vector<double> milliseconds;
    for (auto _ : state) {
        rig.link.KeepAlive();
        const auto start = std::chrono::steady_clock::now();
        if (!linkRoundTrip(rig.link))
            return state.SkipWithError("link lost its reply");
        milliseconds.push_back(1000 * secondsSince(start));
    }
    const double median = quantile(milliseconds, 0.5);
    state.counters["median_ms"] = median;
    std::printf("round trip right after a keep-alive: median %.3f ms, p90 %.3f ms\n", median,
                quantile(milliseconds, 0.9));
}
BENCHMARK(BM_RoundTripAfterKeepAlive)->Unit(benchmark::kMillisecond)->Iterations(40);

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
