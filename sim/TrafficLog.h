#pragma once
// The optional traffic log: every line received and every reply sent, with
// the seconds since start on a monotonic clock, written and flushed line by
// line so that a crash or a kill loses nothing already logged.

#include <QByteArrayView>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

namespace dalto::sim {

class TrafficLog {
public:
    TrafficLog();

    // Without a successful open the log stays silent.
    bool open(const QString& path, QString* error);

    void received(const QString& channel, QByteArrayView bytes);
    void sent(const QString& channel, QByteArrayView bytes);
    void note(const QString& channel, const QString& text);

    // Control characters and bytes outside printable ASCII as escapes.
    static QString printable(QByteArrayView bytes);

private:
    void write(const QString& channel, const QString& direction, const QString& text);

    QFile file_;
    QElapsedTimer clock_;
};

} // namespace dalto::sim
