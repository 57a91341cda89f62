#include "ScriptedPrompts.h"

namespace dalto::testing {

namespace {
template <typename T, typename Fallback>
T takeFront(std::deque<T>& queue, Fallback fallback)
{
    if (queue.empty())
        return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
}
} // namespace

PromptAnswer ScriptedPrompts::message(const QString& text, const QString& title,
                                      PromptButtons buttons, PromptIcon icon)
{
    messages.push_back({text, title, buttons, icon});
    const PromptAnswer first = (buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel)
        ? PromptAnswer::Yes
        : PromptAnswer::Ok;
    return takeFront(answers, first);
}

QString ScriptedPrompts::pickFile(const FilePickRequest& request)
{
    filePicks.push_back(request);
    return takeFront(files, QString());
}

QString ScriptedPrompts::inputValue(const QString& title, const QString& value)
{
    valueInputs.emplace_back(title, value);
    return takeFront(values, QString());
}

QString ScriptedPrompts::inputSetPoint(const QString& title, const QString& value, const QString& range)
{
    setPointRanges << range;
    return inputValue(title, value);
}

QStringList ScriptedPrompts::messageTexts() const
{
    QStringList texts;
    for (const auto& m : messages)
        texts << m.text;
    return texts;
}

} // namespace dalto::testing
