#pragma once
// The bar across a panel while the link is in Simulated mode: a coloured strip
// that reads "Simulated mode: no supply is connected" and why, with a Reconnect
// button. Its text is also its accessible name, so screen readers and test tools
// find it.

#include "link/LinkHealth.h"

#include <QFrame>

class QLabel;
class QPushButton;

namespace dalto {

class SimulatedBanner final : public QFrame {
    Q_OBJECT
public:
    explicit SimulatedBanner(QWidget* parent = nullptr);

    // The text for health and whether Reconnect can work (a connection is known).
    void showHealth(const LinkHealth& health, bool canReconnect);
    QString text() const;

    // "Simulated mode: no supply is connected (why)".
    static QString textFor(const LinkHealth& health);

    QLabel* lblSimulated;
    QPushButton* cmdReconnect;
};

} // namespace dalto
