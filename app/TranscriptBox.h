#pragma once
// The transcript control of every panel (rtbTranx): shows the exchange with the
// device. It keeps exactly the text the link echoed (CR LF and all) for saving,
// shows it with line breaks, appends at the end without rewriting what is there,
// and keeps the newest line in view. Read-only: it is a record, not an editor.
//
// The kept text changes at once; the view takes what was appended since it was
// last shown when events next run, so a burst of exchanges costs one layout
// update instead of one per line.

#include "core/Transcript.h"

#include <QPlainTextEdit>

namespace dalto {

class TranscriptBox final : public QPlainTextEdit, public TranscriptTarget {
    Q_OBJECT
public:
    explicit TranscriptBox(QWidget* parent = nullptr);

    QString transcriptText() const override { return text_; }
    void setTranscriptText(const QString& text) override;
    void appendTranscript(const QString& text) override;

private:
    void showPending();
    void showText(const QString& text);
    void keepNewestLineInView();

    QString text_;
    QString pending_;
    bool flushQueued_ = false;
};

} // namespace dalto
