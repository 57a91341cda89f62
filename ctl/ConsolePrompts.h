#pragma once
// The link's and the protocol's questions answered the way a script needs them:
// every message goes to standard error, nobody is waited for. Ok-style questions
// are confirmed (the file named on the command line is the one wanted), Yes/No
// questions get No (never carry on past a device fault unattended), the file
// dialog returns the file named on the command line and a value prompt is
// cancelled.

#include "core/Prompts.h"

namespace dalto::ctl {

class ConsolePrompts final : public Prompts {
public:
    PromptAnswer message(const QString& text, const QString& title, PromptButtons buttons,
                         PromptIcon icon) override;
    QString pickFile(const FilePickRequest& request) override;
    QString inputValue(const QString& title, const QString& value) override;

    // The answer of the next file dialogs.
    void setChosenFile(const QString& path) { chosenFile_ = path; }
    // True once a message reported a fault (critical or warning icon, or a
    // communication error).
    bool faultReported() const { return faultReported_; }

private:
    QString chosenFile_;
    bool faultReported_ = false;
};

} // namespace dalto::ctl
