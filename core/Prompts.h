#pragma once
// Everything that blocks on the user: message boxes, the file dialog and the
// value prompt. Windows use the real implementation; tests script the answers.

#include <QString>

namespace dalto {

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptIcon { None, Information, Exclamation, Critical, Question };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct FilePickRequest {
    QString title;    // full dialog title
    QString folder;   // initial folder
    QString filter;   // "Description (*.x)|*.x|All Files (*.*)|*.*"
    bool open = true; // false: save dialog, which never asks about an existing file
};

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual PromptAnswer message(const QString& text, const QString& title,
                                 PromptButtons buttons = PromptButtons::Ok,
                                 PromptIcon icon = PromptIcon::None) = 0;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString pickFile(const FilePickRequest& request) = 0;
    // The value typed, or an empty text when the user cancelled.
    virtual QString inputValue(const QString& title, const QString& value) = 0;
    // The value prompt for a set point, which also shows the unit and the
    // allowed range ("Volts, 0 to 12 (bench limit)"). Prompts that have no room
    // for it ask as inputValue does.
    virtual QString inputSetPoint(const QString& title, const QString& value, const QString& range)
    {
        static_cast<void>(range);
        return inputValue(title, value);
    }
};

// The application title that message boxes without their own title carry.
inline const QString ApplicationTitle = QStringLiteral("Dalto Panel");

} // namespace dalto
