#pragma once
// The look of an instrument front panel: a dark face, read-outs that look like a
// segment display, keys grouped on raised plates.

#include <QString>

namespace dalto::front {

QString FrontPanelStyleSheet();

} // namespace dalto::front
