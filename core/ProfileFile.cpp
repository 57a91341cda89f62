#include "ProfileFile.h"
#include "ProfileFileEdit.h"

#include "ReplaceFile.h"

#include <QFile>
#include <QFileInfo>

// SimpleIni is compiled into this file alone: only its narrow-character parser is
// used, which needs neither the packaged library nor its Unicode converters (ICU).
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <memory>

namespace dalto {

namespace {

// The reader. CSimpleIniA matches sections and keys without regard to case, skips
// comments and lines without "=", and keeps duplicate keys so that a read sees the
// first one, as the Windows profile functions do.
std::unique_ptr<CSimpleIniA> emptyIni()
{
    auto ini = std::make_unique<CSimpleIniA>();
    ini->SetUnicode(true);
    ini->SetMultiKey(true);
    ini->SetMultiLine(false);
    ini->SetQuotes(false); // quotes are taken off after trimming, see unquoted()
    return ini;
}

// The file's bytes; a missing file is empty. False with the reason when the file
// exists but cannot be read.
bool readBytes(const QString& path, QByteArray* bytes, QString* error)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (file.open(QIODevice::ReadOnly))
        *bytes = file.readAll();
    if (file.error() == QFileDevice::NoError)
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

// Parses the file. A missing file is an empty profile; a file that exists but cannot
// be read gives nullptr and the reason.
std::unique_ptr<CSimpleIniA> loadIni(const QString& path, QString* error)
{
    QByteArray bytes;
    if (!readBytes(path, &bytes, error))
        return nullptr;
    bytes = ParseableProfileText(bytes);
    auto ini = emptyIni();
    if (ini->LoadData(bytes.constData(), size_t(bytes.size())) < 0) {
        if (error)
            *error = QStringLiteral("the file is not a readable settings file");
        return nullptr;
    }
    return ini;
}

// A value written in quotes, single or double, is read without them.
QString unquoted(const QString& value)
{
    if (value.size() >= 2 && value.front() == value.back() && (value.front() == '"' || value.front() == '\''))
        return value.mid(1, value.size() - 2);
    return value;
}

QString failure(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot write %1: %2").arg(QFileInfo(path).absoluteFilePath(), reason);
}

} // namespace

struct ProfileSnapshot::Parsed {
    std::unique_ptr<CSimpleIniA> ini;
};

ProfileSnapshot::ProfileSnapshot(const QString& path, QString* error)
{
    if (auto ini = loadIni(path, error))
        parsed_ = std::make_unique<Parsed>(Parsed{std::move(ini)});
}

ProfileSnapshot::~ProfileSnapshot() = default;

QString ProfileSnapshot::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    if (!parsed_)
        return defaultValue;
    const char* value = parsed_->ini->GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr);
    if (!value)
        return defaultValue;
    return unquoted(QString::fromUtf8(value).trimmed()).left(ProfileValueLimit);
}

ProfileFile::ProfileFile(QString path)
    : path_(std::move(path))
{
}

bool ProfileFile::checkReadable(QString* error) const
{
    return ProfileSnapshot(path_, error).ok();
}

QString ProfileFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return ProfileSnapshot(path_).readString(section, key, defaultValue);
}

bool ProfileFile::writeString(const QString& section, const QString& key, const QString& value,
                              QString* error) const
{
    return writeStrings({{section, key, value}}, error);
}

bool ProfileFile::writeStrings(const QList<ProfileEntry>& entries, QString* error) const
{
    auto fail = [&](const QString& reason) {
        if (error)
            *error = failure(path_, reason);
        return false;
    };

    QString readError;
    QByteArray old;
    // Writing without the old contents would throw every other setting away.
    if (!readBytes(path_, &old, &readError))
        return fail(readError);

    // Replacing the file would succeed in a writable folder even when the file itself
    // is write-protected; honour the protection.
    const QFileInfo info(path_);
    if (info.exists() && !info.isWritable())
        return fail(QStringLiteral("the file is read-only"));

    QByteArray text = old;
    for (const ProfileEntry& entry : entries)
        text = withProfileValue(text, entry.section.toUtf8(), entry.key.toUtf8(), entry.value.toUtf8());

    if (const QString reason = ReplaceFile(path_, text); !reason.isEmpty())
        return fail(reason);
    return true;
}

} // namespace dalto
