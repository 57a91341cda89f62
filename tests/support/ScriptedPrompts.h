#pragma once
// A Prompts double: answers come from queues the test fills, and every question
// asked is recorded so that the test can check texts, titles, buttons and icons.

#include "core/Prompts.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace dalto::testing {

struct AskedMessage {
    QString text;
    QString title;
    PromptButtons buttons;
    PromptIcon icon;
};

class ScriptedPrompts final : public Prompts {
public:
    PromptAnswer message(const QString& text, const QString& title, PromptButtons buttons,
                         PromptIcon icon) override;
    QString pickFile(const FilePickRequest& request) override;
    QString inputValue(const QString& title, const QString& value) override;
    // Recorded as inputValue is, and its range in setPointRanges.
    QString inputSetPoint(const QString& title, const QString& value, const QString& range) override;

    // Answers used in order; when a queue is empty a message gets its first button
    // (Ok or Yes), a file pick and a value input are cancelled.
    std::deque<PromptAnswer> answers;
    std::deque<QString> files;
    std::deque<QString> values;

    std::vector<AskedMessage> messages;
    std::vector<FilePickRequest> filePicks;
    std::vector<std::pair<QString, QString>> valueInputs; // title, starting value
    QStringList setPointRanges;

    QStringList messageTexts() const;
};

} // namespace dalto::testing
