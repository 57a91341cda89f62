#pragma once
// Two connected pseudo-terminals for serial-line tests, made by
// `socat -d -d pty,raw,echo=0 pty,raw,echo=0`: bytes written to one end come
// out of the other. socat is stopped on destruction.
//
//   PtyPair pty;
//   ASSERT_TRUE(pty.isReady()) << pty.errorText();
//   SimProcess sim({"--serial", pty.second()});   // the device end
//   port.setPortName(pty.first());                // the program end

#include <QProcess>
#include <QString>

namespace dalto::testing {

class PtyPair {
public:
    static constexpr int StartTimeoutMs = 10000;

    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool isReady() const;
    QString first() const { return first_; }
    QString second() const { return second_; }
    QString errorText() const { return error_; }

private:
    QProcess socat_;
    QString first_;
    QString second_;
    QString error_;
};

} // namespace dalto::testing
