#pragma once
// Reads and writes keys of an ini ("profile") file the way the stored settings
// expect: sections and keys match without regard to case, values are trimmed, lose
// their surrounding quotes and only their first 99 characters count, a missing key
// gives the caller's default, and a write changes one key's line and leaves every
// other line of the file as it was.
//
// Every write replaces the file through a temporary copy, so a crash or a full disk
// never leaves a half-written file; a failed write is reported, never dropped.

#include <QList>
#include <QString>

#include <memory>

namespace dalto {

// One reading of a profile file, for a caller that reads many keys at once: the
// file is read and parsed once, and every key comes from that same moment.
class ProfileSnapshot {
public:
    // A missing file reads as empty; a file that exists but cannot be read leaves
    // ok() false with the reason in *error.
    explicit ProfileSnapshot(const QString& path, QString* error = nullptr);
    ~ProfileSnapshot();

    bool ok() const { return parsed_ != nullptr; }
    // As ProfileFile::readString, from the snapshot.
    QString readString(const QString& section, const QString& key, const QString& defaultValue = {}) const;

private:
    struct Parsed;
    std::unique_ptr<Parsed> parsed_;
};

// One key to write, for a caller that changes several keys together.
struct ProfileEntry {
    QString section;
    QString key;
    QString value;
};

class ProfileFile {
public:
    explicit ProfileFile(QString path);

    const QString& path() const { return path_; }

    // True when reads see the file's contents: it is missing (every read gives its
    // default) or readable. Otherwise false with the reason in *error.
    bool checkReadable(QString* error = nullptr) const;

    // The file is read afresh on every call, as other windows may have written it.
    QString readString(const QString& section, const QString& key, const QString& defaultValue = {}) const;

    // False with a readable reason in *error when the file could not be replaced.
    bool writeString(const QString& section, const QString& key, const QString& value,
                     QString* error = nullptr) const;
    // All entries in one replacement of the file: either every key is written or the
    // file stays as it was, so settings that belong together never part.
    bool writeStrings(const QList<ProfileEntry>& entries, QString* error = nullptr) const;

private:
    QString path_;
};

// Longest value text a read returns.
inline constexpr int ProfileValueLimit = 99;

} // namespace dalto
