#include "QtPrompts.h"

#include "frmInput.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace dalto {

namespace {
QMessageBox::StandardButtons standardButtons(PromptButtons buttons)
{
    switch (buttons) {
    case PromptButtons::Ok: return QMessageBox::Ok;
    case PromptButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::None: return QMessageBox::NoIcon;
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Exclamation: return QMessageBox::Warning;
    case PromptIcon::Critical: return QMessageBox::Critical;
    case PromptIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

PromptAnswer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return PromptAnswer::Cancel;
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    default: return PromptAnswer::Ok;
    }
}
} // namespace

PromptAnswer QtPrompts::message(const QString& text, const QString& title, PromptButtons buttons,
                                PromptIcon icon)
{
    QMessageBox box(boxIcon(icon), title.isEmpty() ? ApplicationTitle : title, text,
                    standardButtons(buttons), QApplication::activeWindow());
    // Messages may quote a device's reply or an address; none of it is markup.
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    // Escape or the frame's close box picks the cancelling button.
    if (answer == QMessageBox::Escape || answer == 0)
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    return answerOf(answer);
}

QString QtPrompts::pickFile(const FilePickRequest& request)
{
    const QString filter = QtFileFilter(request.filter);
    QWidget* parent = QApplication::activeWindow();
    // The callers ask about an existing file themselves, or replace it as the
    // transcript save does; the dialog asking first would be a second question.
    return request.open ? QFileDialog::getOpenFileName(parent, request.title, request.folder, filter)
                        : QFileDialog::getSaveFileName(parent, request.title, request.folder, filter, nullptr,
                                                       QFileDialog::DontConfirmOverwrite);
}

QString QtPrompts::inputValue(const QString& title, const QString& value)
{
    return InputValue(paths_, title, value, QApplication::activeWindow());
}

QString QtPrompts::inputSetPoint(const QString& title, const QString& value, const QString& range)
{
    return InputValue(paths_, title, value, QApplication::activeWindow(), range);
}

QString QtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << parts[i];
    return entries.join(QStringLiteral(";;"));
}

} // namespace dalto
