#pragma once
// Runs the built dalto-sim for a test: starts it with the given arguments
// (path from the DALTO_SIM environment variable that CTest sets), reads its
// ready line to learn the TCP port it listens on, and stops it on destruction.
//
//   SimProcess sim;                            // TCP on 127.0.0.1, a free port
//   ASSERT_TRUE(sim.isReady()) << sim.errorText();
//   socket.connectToHost(sim.host(), sim.port());
//
//   SimProcess serial({"--serial", pty.second(), "--rs485", "7"});  // also TCP

#include <QProcess>
#include <QString>
#include <QStringList>

#include <csignal>
#include <optional>

namespace dalto::testing {

class SimProcess {
public:
    static constexpr int StartTimeoutMs = 10000;
    static constexpr int StopTimeoutMs = 3000;

    // Unless arguments contain "--tcp", "--tcp 127.0.0.1:0" is added, so every
    // simulator can also be inspected over TCP.
    explicit SimProcess(const QStringList& arguments = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // True once the ready line has arrived and the process still runs.
    bool isReady() const;
    QString host() const { return QStringLiteral("127.0.0.1"); }
    // TCP port from the ready line; 0 when there is none.
    quint16 port() const { return port_; }
    // UDP port of the network search responder (--discovery); 0 without one.
    quint16 discoveryPort() const { return discoveryPort_; }
    QString readyLine() const { return readyLine_; }
    // Why the start failed, with what the simulator wrote to stderr.
    QString errorText() const { return error_; }

    // Sends `signal`, then kills the simulator if it does not end within a few
    // seconds. Returns its exit code; none when it crashed or had to be killed.
    std::optional<int> stop(int signal = SIGTERM);

    // The simulator's path: DALTO_SIM, else "dalto-sim" beside the test binary.
    static QString executable();

private:
    QProcess process_;
    QString readyLine_;
    QString error_;
    quint16 port_ = 0;
    quint16 discoveryPort_ = 0;
};

} // namespace dalto::testing
