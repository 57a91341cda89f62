#pragma once
// Window sizes given in twips (1440 to the logical inch of the screen), such as
// the 10110-twip height of a front panel in debug mode.

class QWidget;

namespace dalto {

int TwipsToPixelsX(int twips, const QWidget& widget);
int TwipsToPixelsY(int twips, const QWidget& widget);

} // namespace dalto
