#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// Puts tavKnob into Qt Designer's widget box, where it is placed and sized
// at design time (not in user mode, so Slot and Turns can be set).
class tavKnobPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit tavKnobPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
};
