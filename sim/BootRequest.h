#pragma once
// A request to restart the controller into its boot loader, as a power cycle
// with the boot jumper set would; whoever owns the serial line carries it out.

#include <QObject>

namespace dalto::sim {

class BootRequest : public QObject {
    Q_OBJECT
public:
    void raise() { emit raised(); }

signals:
    void raised();
};

} // namespace dalto::sim
