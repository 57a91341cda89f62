#pragma once
// The stream server: one client at a time; a client that connects while
// another is served waits until that one disconnects, then it is served. "<>RST" restarts the network module, which ends the connection.

#include "sim/FaultInjector.h"
#include "sim/LineResponder.h"
#include "sim/LineSplitter.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace dalto::sim {

class TcpEndpoint : public QObject {
    Q_OBJECT
public:
    // A client that lets more replies pile up than this without reading is cut off.
    static constexpr qint64 MaxPendingOutput = 4 * 1024 * 1024;

    TcpEndpoint(CommandProcessor& processor, TrafficLog& log, QObject* parent = nullptr);
    ~TcpEndpoint() override;

    bool listen(const QHostAddress& host, quint16 port, QString* error);
    quint16 port() const { return server_.serverPort(); }
    // "tcp 127.0.0.1:40123"
    QString description() const;
    void setFaultPlan(const FaultPlan& plan) { faults_.setPlan(plan); }

private:
    void acceptClients();
    void readClient();
    void clientGone();

    QTcpServer server_;
    QPointer<QTcpSocket> client_;
    LineSplitter splitter_;
    LineResponder responder_;
    FaultInjector faults_;
};

} // namespace dalto::sim
