#pragma once
// Runs the built daltoctl (path from the DALTOCTL environment variable that CTest
// sets) with arguments and optional standard input, and collects what it printed.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace dalto::testing {

struct CtlResult {
    int exitCode = -1; // -1 when it crashed or did not end
    QString out;
    QString err;
    QStringList outLines() const;
};

// A generous bound: it only stops a hung run from blocking the suite.
inline constexpr int CtlRunLimitMs = 120000;

CtlResult RunCtl(const QStringList& arguments, const QByteArray& input = {});

// The connection options for a simulator's TCP port on loopback.
QStringList TcpTo(quint16 port);

} // namespace dalto::testing
