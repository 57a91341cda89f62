#pragma once
// The HBX panel's lamp frame (fraButtons): its lamp groups are framed by vertical
// separator lines, and beside each line the frame writes its group caption
// upwards, centred on the line, on every paint. A label cannot show turned text,
// so the frame draws the captions itself.

#include <QFont>
#include <QFrame>
#include <QString>
#include <vector>

namespace dalto::front {

class GroupCaptionFrame final : public QFrame {
    Q_OBJECT
public:
    explicit GroupCaptionFrame(QWidget* parent = nullptr);

    // caption is drawn beside line (a child of this frame) from now on.
    void addCaption(const QString& caption, QWidget* line);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Caption {
        QString text;
        QWidget* line;
        int length; // drawn length in pixels, measured once
    };
    // Made and measured once: the frame repaints with every poll and menu tick.
    const QFont font_;
    std::vector<Caption> captions_;

    // Where a caption's drawing starts: 240 twips left of its line, moved down
    // from the line's middle by half the caption's length.
    QPoint origin(const Caption& caption) const;
};

} // namespace dalto::front
