#include "ReplaceFile.h"

#include <QSaveFile>

namespace dalto {

QString ReplaceFile(const QString& path, const QByteArray& bytes)
{
    // Unbuffered, so that a short write (a full disk) shows in write()'s count: a
    // buffered QSaveFile can commit a truncated copy over the old file.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return out.errorString();
    if (out.write(bytes.constData(), qint64(bytes.size())) != qint64(bytes.size())) {
        const QString reason = out.errorString();
        out.cancelWriting();
        return reason;
    }
    return out.commit() ? QString() : out.errorString();
}

} // namespace dalto
