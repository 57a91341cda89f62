#pragma once
// A small tmpfs mounted for one test (superuser only), so that a writer can meet
// a really full disk or a really read-only folder; unmounted on destruction.

#include <QString>
#include <QTemporaryDir>

namespace dalto::testing {

class SmallVolume {
public:
    static constexpr int SizeKiB = 64;

    SmallVolume();
    ~SmallVolume();
    SmallVolume(const SmallVolume&) = delete;
    SmallVolume& operator=(const SmallVolume&) = delete;

    // Why there is no volume (not the superuser, mount refused); empty when mounted.
    QString unavailable() const { return unavailable_; }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    // Takes every free byte with a filler file; false if it could not.
    bool fill();
    // Remounts the volume read-only; false if it could not.
    bool makeReadOnly();

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString unavailable_;
};

} // namespace dalto::testing
