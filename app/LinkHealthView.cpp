#include "LinkHealthView.h"

#include "Application.h"
#include "PanelWindow.h"
#include "SimulatedBanner.h"
#include "link/DeviceLink.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

namespace dalto {

namespace {
// A read-out's own style sheet wins over the panel's: dim digits, not the lit ones.
const QString DimmedReadOut = QStringLiteral("color: #4a6b4d;");
const QString TagStyle = QStringLiteral("color: #ffb300; background: transparent; font-weight: bold; font-size: 8pt;");
const QString NotMeasured = QStringLiteral("Simulated, not measured");

QLabel* makeTag(QWidget& readOut)
{
    auto* tag = new QLabel(QStringLiteral("SIM"));
    tag->setObjectName(readOut.objectName() + QStringLiteral("Sim"));
    tag->setStyleSheet(TagStyle);
    tag->setAccessibleName(NotMeasured);
    // The digits are right-aligned: the tag sits in the free space on the left.
    auto* row = new QHBoxLayout(&readOut);
    row->setContentsMargins(4, 0, 0, 0);
    row->addWidget(tag, 0, Qt::AlignLeft | Qt::AlignVCenter);
    row->addStretch();
    return tag;
}
} // namespace

LinkHealthView::LinkHealthView(Application& app, PanelWindow& panel)
    : QObject(&panel)
    , app_(app)
    , panel_(panel)
    , bar_(new QToolBar(QStringLiteral("Simulated mode")))
    , banner_(new SimulatedBanner)
    , simulate_(panel.findChild<QAction*>(QStringLiteral("mnuSimulate")))
    , reconnect_(panel.findChild<QAction*>(QStringLiteral("mnuReconnect")))
{
    bar_->setObjectName(QStringLiteral("simulatedBar"));
    bar_->setMovable(false);
    bar_->setFloatable(false);
    bar_->toggleViewAction()->setVisible(false);
    bar_->addWidget(banner_);
    bar_->hide();
    panel.addToolBar(Qt::TopToolBarArea, bar_);

    DeviceLink& link = app.link();
    connect(&link, &DeviceLink::healthChanged, this, &LinkHealthView::show);
    connect(banner_->cmdReconnect, &QPushButton::clicked, this, [this] { app_.reconnect(); });
    if (reconnect_)
        connect(reconnect_, &QAction::triggered, this, [this] { app_.reconnect(); });
    // Qt toggles a checkable item on every click; the mark follows the link alone.
    if (simulate_)
        connect(simulate_, &QAction::triggered, this, [this] { show(app_.link().health()); });
    show(link.health());
}

void LinkHealthView::show(const LinkHealth& health)
{
    const bool canReconnect = app_.link().endpoint().has_value();
    banner_->showHealth(health, canReconnect);
    showBar(health.simulated);
    if (simulate_)
        simulate_->setChecked(health.simulated);
    if (reconnect_)
        reconnect_->setEnabled(canReconnect);
    markReadOuts(health.simulated);
}

void LinkHealthView::showBar(bool shown)
{
    if (shown == barShown_)
        return;
    barShown_ = shown;
    if (shown) {
        heightWithoutBar_ = panel_.height();
        bar_->show();
        return;
    }
    // Grown by no more than the bar: the bar's doing, not the user's.
    const int grown = panel_.height() - heightWithoutBar_;
    const int barHeight = bar_->height();
    bar_->hide();
    if (grown <= 0 || grown > barHeight || panel_.isMaximized() || panel_.isFullScreen())
        return;
    // After the layout has let the bar go, or its minimum would hold the height.
    QTimer::singleShot(0, this, [this] { panel_.resize(panel_.width(), heightWithoutBar_); });
}

void LinkHealthView::markReadOuts(bool simulated)
{
    const QList<QWidget*> readOuts = panel_.measuredReadOuts();
    if (tags_.empty() && !simulated)
        return;
    for (qsizetype i = 0; i < readOuts.size(); ++i) {
        QWidget& readOut = *readOuts[i];
        if (size_t(i) >= tags_.size())
            tags_.emplace_back(makeTag(readOut));
        if (tags_[size_t(i)])
            tags_[size_t(i)]->setVisible(simulated);
        readOut.setStyleSheet(simulated ? DimmedReadOut : QString());
        readOut.setAccessibleDescription(simulated ? NotMeasured : QString());
    }
}

} // namespace dalto
