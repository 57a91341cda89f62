#pragma once
// The real Prompts: QMessageBox, QFileDialog and the value prompt frmInput, each
// over the active window.

#include "core/Paths.h"
#include "core/Prompts.h"

namespace dalto {

class QtPrompts final : public Prompts {
public:
    // paths must outlive the prompts (the value prompt takes its icon from there).
    explicit QtPrompts(const Paths& paths) : paths_(paths) {}

    PromptAnswer message(const QString& text, const QString& title, PromptButtons buttons,
                         PromptIcon icon) override;
    QString pickFile(const FilePickRequest& request) override;
    QString inputValue(const QString& title, const QString& value) override;
    QString inputSetPoint(const QString& title, const QString& value, const QString& range) override;

private:
    const Paths& paths_;
};

// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*" as a Qt file-dialog filter
// ("Text Files (*.txt);;All Files (*.*)").
QString QtFileFilter(const QString& filter);

} // namespace dalto
