#pragma once
// How a dialog opens the dialogs it leads to. The program shows them modally to
// the user; a test hands in its own function that acts on each dialog the way a
// user would and returns when it is closed.

#include <QDialog>
#include <functional>

namespace dalto {

using ShowModal = std::function<void(QDialog&)>;

inline void ExecModal(QDialog& dialog)
{
    dialog.exec();
}

} // namespace dalto
