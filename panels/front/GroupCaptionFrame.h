#pragma once
// The HBX panel's lamp frame (fraButtons): its lamp groups are framed by vertical
// separator lines, and beside each line the frame writes its group caption
// upwards, centred on the line, on every paint. A label cannot show turned text,
// so the frame draws the captions itself.

#include <QFrame>
#include <QString>
#include <vector>

namespace dalto::front {

class GroupCaptionFrame final : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

    // caption is drawn beside line (a child of this frame) from now on.
    void addCaption(const QString& caption, QWidget* line);

    // Where a caption's drawing starts: 240 twips left of its line, moved down
    // from the line's middle by half the caption's length.
    QPoint captionOrigin(const QString& caption, const QWidget& line) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::pair<QString, QWidget*>> captions_;
};

} // namespace dalto::front
