#pragma once

#include <QWidget>

class QLabel;
class tavKnob;

// A few knobs as the front panels use them, each with a read-out of its
// value and of the last event it raised.
class KnobDemoWindow : public QWidget {
    Q_OBJECT
public:
    explicit KnobDemoWindow(QWidget* parent = nullptr);

private:
    void addKnob(int column, const QString& caption, int turns, bool slot, float maximum);
};
