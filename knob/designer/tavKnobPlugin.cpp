#include "tavKnobPlugin.h"

#include <dialix/tavKnob.h>

#include <QIcon>

tavKnobPlugin::tavKnobPlugin(QObject* parent)
    : QObject(parent)
{
}

QString tavKnobPlugin::name() const { return QStringLiteral("tavKnob"); }
QString tavKnobPlugin::group() const { return QStringLiteral("Dialix"); }
QString tavKnobPlugin::toolTip() const { return QStringLiteral("Rotary set-point knob"); }

QString tavKnobPlugin::whatsThis() const
{
    return QStringLiteral("A knob turned through several revolutions between 0 and Max.");
}

QString tavKnobPlugin::includeFile() const { return QStringLiteral("dialix/tavKnob.h"); }
QIcon tavKnobPlugin::icon() const { return QIcon(QStringLiteral(":/dialix/toolbox.png")); }
bool tavKnobPlugin::isContainer() const { return false; }

QWidget* tavKnobPlugin::createWidget(QWidget* parent)
{
    auto* knob = new tavKnob(parent);
    knob->setUserMode(false);
    return knob;
}
