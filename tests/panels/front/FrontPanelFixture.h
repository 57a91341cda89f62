#pragma once
// A front panel opened by the program's own start-up on the scripted device and
// the fake clock. The panel's timers never fire on their own here: a test runs a
// tick by calling its handler, and checks whether a timer is on by isActive().

#include "AppFixture.h"
#include "panels/front/RegisterFrontPanels.h"
#include "panels/front/frmKD.h"

#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include "app/TranscriptBox.h"
#include <QStringList>

namespace dalto::testing {

class TimerSilencer final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Timer; }
};

class FrontPanelFixture : public AppFixture {
protected:
    template <class Panel = front::frmKD>
    Panel& open(const QString& type = QStringLiteral("KD Series"))
    {
        AppSettings settings;
        settings.startup = QStringLiteral("Virtual Panel");
        settings.type = type;
        makeApp(settings);
        front::registerFrontPanels(*app);
        answerStartupQueries();
        app->start();
        auto& panel = currentAs<Panel>();
        for (QTimer* timer : panel.template findChildren<QTimer*>())
            timer->installEventFilter(&silencer);
        mark = device.written().size();
        return panel;
    }

    // Lines sent since the last call (or since the panel opened).
    QStringList sent()
    {
        return device.linesSince(mark);
    }
    // Lines sent since the mark that are not polls.
    QStringList commands()
    {
        QStringList lines = sent();
        lines.removeAll(QStringLiteral("<>STA"));
        return lines;
    }
    // Every later write finds a standby status line waiting.
    void answerEverything(const QByteArray& line = "0,0,48,0\r\n", int count = 400)
    {
        for (int i = 0; i < count; ++i)
            device.reply(line);
    }

    TimerSilencer silencer;
    qsizetype mark = 0;
};

} // namespace dalto::testing
