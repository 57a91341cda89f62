#include "SimulatedBanner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace dalto {

namespace {
const QString Heading = QStringLiteral("Simulated mode: no supply is connected");
// Amber with dark text: a warning that reads at a glance and on any theme.
const QString BannerStyle = QStringLiteral(
    "QFrame#simulatedBanner { background: #ffb300; border-bottom: 2px solid #b36b00; }"
    "QFrame#simulatedBanner QLabel { color: #1a1a1a; font-weight: bold; }");
} // namespace

SimulatedBanner::SimulatedBanner(QWidget* parent)
    : QFrame(parent)
    , lblSimulated(new QLabel)
    , cmdReconnect(new QPushButton(QStringLiteral("Reconnect")))
{
    setObjectName(QStringLiteral("simulatedBanner"));
    setStyleSheet(BannerStyle);
    lblSimulated->setObjectName(QStringLiteral("lblSimulated"));
    lblSimulated->setWordWrap(true);
    cmdReconnect->setObjectName(QStringLiteral("cmdReconnect"));
    cmdReconnect->setAccessibleName(QStringLiteral("Reconnect to the supply"));
    cmdReconnect->setAutoDefault(false);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 4, 8, 4);
    row->addWidget(lblSimulated, 1);
    row->addWidget(cmdReconnect);
}

QString SimulatedBanner::textFor(const LinkHealth& health)
{
    return health.reason.isEmpty() ? Heading : Heading + QStringLiteral(" (") + health.reason + QLatin1Char(')');
}

void SimulatedBanner::showHealth(const LinkHealth& health, bool canReconnect)
{
    const QString shown = textFor(health);
    lblSimulated->setText(shown);
    setAccessibleName(shown);
    cmdReconnect->setEnabled(canReconnect);
    cmdReconnect->setToolTip(canReconnect ? QString()
                                          : QStringLiteral("No connection is set up yet: use Communication > Setup"));
}

QString SimulatedBanner::text() const
{
    return lblSimulated->text();
}

} // namespace dalto
