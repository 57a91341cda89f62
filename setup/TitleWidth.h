#pragma once
// How wide a dialog must be for the window system to show its whole title: a
// dialog as narrow as its controls gets its title cut ("Config... Setup").

class QWidget;

namespace dalto {

// The title in a bold face of the window's font, with room for the window icon
// and the title bar's buttons on either side of a centred title.
int TitleWidth(const QWidget& window);

} // namespace dalto
