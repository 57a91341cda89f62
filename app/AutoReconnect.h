#pragma once
// After the link fell into Simulated mode without the user choosing it, tries the
// configured connection again every 5 s until the supply answers. The setting
// [Communication] AutoReconnect=0 turns this off. Each try lets the windows run.

#include "link/LinkHealth.h"

#include <QObject>
#include <QTimer>

namespace dalto {

class Application;

class AutoReconnect final : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 5000;

    explicit AutoReconnect(Application& app);

    bool isTrying() const { return timer_.isActive(); }

private:
    void follow(const LinkHealth& health);

    Application& app_;
    QTimer timer_;
};

} // namespace dalto
