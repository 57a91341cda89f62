#pragma once
// Replaces a file's contents as a whole or not at all.

#include <QByteArray>
#include <QString>

namespace dalto {

// Writes bytes to a temporary file beside path and puts it in place of the old
// file only once it is complete, so a full disk or a failed write leaves the old
// file as it was. The reason of a failure, or an empty text.
QString ReplaceFile(const QString& path, const QByteArray& bytes);

} // namespace dalto
