#pragma once
// A front panel opened by the program's own start-up on the scripted device and
// the fake clock. The panel's timers never fire on their own here: a test runs a
// tick by calling its handler, and checks whether a timer is on by isActive().

#include "AppFixture.h"
#include "panels/front/RegisterFrontPanels.h"
#include "panels/front/frmKD.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include "app/TranscriptBox.h"
#include <QStringList>
#include <dialix/tavKnob.h>

namespace dalto::testing {

// Keys, lamps, read-outs and knobs of panel that a screen reader could not name.
inline QStringList UnnamedControls(const QWidget& panel)
{
    QStringList unnamed;
    for (QWidget* control : panel.findChildren<QWidget*>())
        if ((qobject_cast<QPushButton*>(control) || qobject_cast<front::Lamp*>(control)
             || qobject_cast<QLineEdit*>(control) || qobject_cast<tavKnob*>(control))
            && control->accessibleName().isEmpty())
            unnamed << control->objectName();
    return unnamed;
}

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
