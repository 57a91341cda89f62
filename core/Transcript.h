#pragma once
// The text control that shows the exchange with the device. The link appends to
// whichever target is registered; a panel's transcript box implements it.

#include <QString>

namespace dalto {

class TranscriptTarget {
public:
    virtual ~TranscriptTarget() = default;
    virtual QString transcriptText() const = 0;
    virtual void setTranscriptText(const QString& text) = 0;
    // Adds text at the end without rewriting what is already there.
    virtual void appendTranscript(const QString& text) = 0;
};

// A transcript kept in memory: the hidden start-up window's fallback, and a
// target for code that runs without a window.
class MemoryTranscript final : public TranscriptTarget {
public:
    QString transcriptText() const override { return text_; }
    void setTranscriptText(const QString& text) override { text_ = text; }
    void appendTranscript(const QString& text) override { text_ += text; }

private:
    QString text_;
};

} // namespace dalto
