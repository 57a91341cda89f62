#pragma once
// A key that acts while it is held: once when it goes down and once when it
// comes up. A push button reports the pointer sliding off a held key as a
// release and sliding back as a new press; for a held key both are only the
// key's look, the hold goes on until the mouse button (or the space bar) is let
// go, wherever the pointer is then.

#include <QObject>

class QPushButton;

namespace dalto {

class HeldKey final : public QObject {
    Q_OBJECT
public:
    // Follows key for as long as both live; key keeps its own look.
    explicit HeldKey(QPushButton* key);

signals:
    void down();
    void up();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keyPressed();
    void keyReleased();
    void letGo();

    bool held_ = false;
    // The button is handling a pointer move: what it reports then is a slide.
    bool sliding_ = false;
};

} // namespace dalto
