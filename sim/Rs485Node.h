#pragma once
// One node on the RS-485 bus. It understands both ways the program addresses
// a node on the shared line:
//  - the select sequence DC3 + two hex digits of the address + SOH, after which
//    plain LF-ended command lines are for the selected node only;
//  - packet frames "{" + two hex digits + up to 32 characters + CR, whose
//    pieces are joined until an LF ends the command line;
// and the CR-ended control lines "&" + address + flags (node select) and
// "%" + old address + new address + key (address change), which it answers
// with a CR-ended line when they name it.

#include <QByteArray>
#include <QByteArrayView>
#include <functional>
#include <optional>

namespace dalto::sim {

class Rs485Node {
public:
    static constexpr char SelectStart = 0x13; // DC3
    static constexpr char SelectEnd = 0x01;   // SOH
    static inline const QByteArray AddressChangeKey = QByteArrayLiteral("58120946");

    // Receives each command line for this node, without LF, as soon as it is
    // complete, so that a command changing the address applies to the bytes after it.
    using LineHandler = std::function<void(const QByteArray&)>;

    struct Result {
        QByteArray controlReplies; // answers to control lines, each CR-ended
        int overruns = 0;
        std::optional<int> newAddress; // set by an address change
    };

    explicit Rs485Node(int address) : address_(address) {}

    Result feed(QByteArrayView bytes, const LineHandler& onLine);
    void reset();

    int address() const { return address_; }
    void setAddress(int address) { address_ = address; }
    bool selected() const { return selected_; }

    static QByteArray addressHex(int address);

private:
    enum class State { Idle, Select, Frame, Control, Line, Discard };

    void finishUnit(Result& result, const LineHandler& onLine);
    void finishFrame(Result& result, const LineHandler& onLine);
    void finishControl(Result& result);
    std::optional<int> addressAt(qsizetype position) const;

    State state_ = State::Idle;
    QByteArray unit_;
    QByteArray packetLine_;
    int address_;
    bool selected_ = false;
};

} // namespace dalto::sim
