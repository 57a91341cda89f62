#include "TranscriptBox.h"

#include <QTextCursor>

namespace dalto {

namespace {
// What the view shows of echoed text: a CR before LF is the same line break, so
// it is left out of the view (the kept text still has it).
QString viewOf(const QString& text)
{
    QString shown = text;
    shown.remove(QLatin1Char('\r'));
    return shown;
}
} // namespace

TranscriptBox::TranscriptBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("rtbTranx"));
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void TranscriptBox::setTranscriptText(const QString& text)
{
    text_ = text;
    pending_.clear();
    setPlainText(viewOf(text));
    keepNewestLineInView();
}

void TranscriptBox::appendTranscript(const QString& text)
{
    if (text.isEmpty())
        return;
    text_ += text;
    pending_ += text;
    if (!flushQueued_) {
        flushQueued_ = true;
        QMetaObject::invokeMethod(this, &TranscriptBox::showPending, Qt::QueuedConnection);
    }
}

void TranscriptBox::showPending()
{
    flushQueued_ = false;
    if (pending_.isEmpty())
        return;
    showText(pending_);
    pending_.clear();
    keepNewestLineInView();
}

void TranscriptBox::showText(const QString& text)
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(viewOf(text));
}

// The caret goes to the end, or onto the last line when the text ends in a line
// break, and the view follows it.
void TranscriptBox::keepNewestLineInView()
{
    QTextCursor caret(document());
    caret.movePosition(QTextCursor::End);
    if (caret.atBlockStart() && caret.position() > 0)
        caret.movePosition(QTextCursor::PreviousCharacter);
    setTextCursor(caret);
    ensureCursorVisible();
}

} // namespace dalto
