#pragma once
// The shared open/save file choice of the panels' Open and Save buttons.

#include <QString>

namespace dalto {

class Prompts;

// Asks for a file with the title "Dalto Panel - " + title, starting in folder and
// filtering by pattern (plus "All Files"). mode "open" (exactly) shows the open
// dialog, any other mode the save dialog. Returns the chosen path, or an empty text
// when the user cancelled. Where file names ignore case (Windows) the path comes
// back in lower case; elsewhere its case is kept, so callers compare extensions
// without regard to case.
QString PickFile(Prompts& prompts, const QString& title, const QString& folder,
                 const QString& description, const QString& pattern, const QString& mode);

} // namespace dalto
