#pragma once
// An indicator lamp of the front panel: a caption whose colour is its state,
// with a round light beside it so that on and off read at a glance.

#include "panels/front/menu/FrontPanelMenuHost.h"

#include <QLabel>

namespace dalto::front {

using menu::LampColour;

class Lamp final : public QLabel {
    Q_OBJECT
public:
    // tag: the bit of the status or fault word the lamp shows (-1: none).
    Lamp(const QString& caption, int tag, QWidget* parent = nullptr);

    int tag() const { return tag_; }
    LampColour colour() const { return colour_; }
    void setColour(LampColour colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showColour();

    int tag_;
    LampColour colour_ = LampColour::Off;
};

} // namespace dalto::front
