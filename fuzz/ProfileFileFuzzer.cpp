// The settings file reader and the one-key edit every write goes through. Input:
// the file, then a section, a key and a value; the edit of that key must read back
// as the value and leave another key of the file as it was.

#include "FuzzInput.h"
#include "core/ProfileFile.h"
#include "core/ProfileFileEdit.h"

#include <QRegularExpression>

using namespace dalto;
using namespace dalto::fuzz;

namespace {

// Names and values a program writes: no blanks, quotes, brackets or line ends.
bool plain(const QByteArray& bytes, qsizetype limit)
{
    static const QRegularExpression word(QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9_.]+")));
    return bytes.size() <= limit && word.match(text(bytes)).hasMatch();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const QByteArray section = input.next();
    const QByteArray key = input.next();
    const QByteArray value = input.next();
    const QString other = text(input.next());
    const QByteArray file = input.rest();
    const QString sectionName = text(section);

    const ProfileSnapshot before(scratchFile(file));
    if (!before.ok())
        return 0;
    const QString read = before.readString(sectionName, text(key), QStringLiteral("-"));
    FUZZ_CHECK(read.size() <= ProfileValueLimit, read);
    if (!plain(section, 40) || !plain(key, 40) || !plain(value, ProfileValueLimit) || other.isEmpty())
        return 0;

    const QString otherBefore = before.readString(sectionName, other, QStringLiteral("<missing>"));
    const ProfileSnapshot after(scratchFile(withProfileValue(file, section, key, value)));
    const QString detail = QStringLiteral("[%1] %2=%3 in:\n%4").arg(sectionName, text(key), text(value), text(file));
    FUZZ_CHECK(after.ok(), detail);
    FUZZ_CHECK(after.readString(sectionName, text(key)) == text(value), detail);
    if (other.compare(text(key), Qt::CaseInsensitive) != 0)
        FUZZ_CHECK(after.readString(sectionName, other, QStringLiteral("<missing>")) == otherBefore,
                   QStringLiteral("other key %1: ").arg(other) + detail);
    return 0;
}
