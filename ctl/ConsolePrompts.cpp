#include "ConsolePrompts.h"

#include "ConsoleOutput.h"

namespace dalto::ctl {

namespace {
const QString CommErrorTitle = QStringLiteral("Comm Error");
}

PromptAnswer ConsolePrompts::message(const QString& text, const QString& title, PromptButtons buttons,
                                     PromptIcon icon)
{
    if (icon == PromptIcon::Critical || icon == PromptIcon::Exclamation || title == CommErrorTitle)
        faultReported_ = true;
    PrintError(text);
    switch (buttons) {
    case PromptButtons::Ok:
    case PromptButtons::OkCancel:
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
    case PromptButtons::YesNoCancel:
        break;
    }
    return PromptAnswer::No;
}

QString ConsolePrompts::pickFile(const FilePickRequest&)
{
    return chosenFile_;
}

QString ConsolePrompts::inputValue(const QString&, const QString&)
{
    return {};
}

} // namespace dalto::ctl
