#pragma once
// The text edit behind a profile-file write: one key's line changes and every other
// byte of the file stays as it was (comments anywhere, lines without "=", blank
// lines, spacing and the file's own line ends).

#include <QByteArray>

namespace dalto {

// text with key of section set to value. The first line of the section that names
// the key (without regard to case) is replaced; a new key goes after the last key of
// its section, a new section at the end of the file. Added lines end as the file's
// lines do (CR LF when its first line does).
QByteArray withProfileValue(const QByteArray& text, const QByteArray& section, const QByteArray& key,
                            const QByteArray& value);

// text as the reader must parse it to see the lines the edit sees: a NUL byte or a
// CR inside a line is a blank, a header without its "]" is a comment, and every
// line ends in LF.
QByteArray ParseableProfileText(const QByteArray& text);

} // namespace dalto
