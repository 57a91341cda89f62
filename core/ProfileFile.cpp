#include "ProfileFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

// SimpleIni is compiled into this file alone: only its narrow-character parser is
// used, which needs neither the packaged library nor its Unicode converters (ICU).
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <memory>
#include <string>

namespace dalto {

namespace {

// CSimpleIniA matches sections and keys without regard to case. Duplicate keys are
// kept so that a read sees the first one, as the Windows profile functions do, and a
// write of some other key leaves hand-made duplicates alone.
std::unique_ptr<CSimpleIniA> emptyIni()
{
    auto ini = std::make_unique<CSimpleIniA>();
    ini->SetUnicode(true);
    ini->SetMultiKey(true);
    ini->SetMultiLine(false);
    ini->SetQuotes(false);
    ini->SetSpaces(false); // "key=value", as the profile functions write it
    return ini;
}

// Parses the file. A missing file is an empty profile; a file that exists but cannot
// be read gives nullptr and the reason.
std::unique_ptr<CSimpleIniA> loadIni(const QString& path, QString* error)
{
    auto ini = emptyIni();
    QFile file(path);
    if (!file.exists())
        return ini;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return nullptr;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return nullptr;
    }
    if (ini->LoadData(bytes.constData(), size_t(bytes.size())) < 0) {
        if (error)
            *error = QStringLiteral("the file is not a readable settings file");
        return nullptr;
    }
    return ini;
}

// The spelling the file already uses for key, so that a write of "address" keeps
// the line "Address=..." as it was.
QByteArray storedKeyName(const CSimpleIniA& ini, const QByteArray& section, const QByteArray& key)
{
    CSimpleIniA::TNamesDepend keys;
    ini.GetAllKeys(section.constData(), keys);
    const CSimpleIniA::Entry wanted(key.constData());
    const CSimpleIniA::Entry::KeyOrder less; // the case-blind order of the file's keys
    for (const auto& entry : keys)
        if (!less(entry, wanted) && !less(wanted, entry))
            return QByteArray(entry.pItem);
    return key;
}

QString failure(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot write %1: %2").arg(QFileInfo(path).absoluteFilePath(), reason);
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : path_(std::move(path))
{
}

bool ProfileFile::checkReadable(QString* error) const
{
    return loadIni(path_, error) != nullptr;
}

QString ProfileFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const auto ini = loadIni(path_, nullptr);
    if (!ini)
        return defaultValue;
    const char* value = ini->GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr);
    if (!value)
        return defaultValue;
    return QString::fromUtf8(value).trimmed().left(ProfileValueLimit);
}

bool ProfileFile::writeString(const QString& section, const QString& key, const QString& value,
                              QString* error) const
{
    auto fail = [&](const QString& reason) {
        if (error)
            *error = failure(path_, reason);
        return false;
    };

    QString readError;
    const auto ini = loadIni(path_, &readError);
    // Writing without the old contents would throw every other setting away.
    if (!ini)
        return fail(readError);

    // Replacing the file would succeed in a writable folder even when the file itself
    // is write-protected; honour the protection.
    const QFileInfo info(path_);
    if (info.exists() && !info.isWritable())
        return fail(QStringLiteral("the file is read-only"));

    const QByteArray sectionName = section.toUtf8();
    const QByteArray keyName = storedKeyName(*ini, sectionName, key.toUtf8());
    if (ini->SetValue(sectionName.constData(), keyName.constData(), value.toUtf8().constData(), nullptr, true) < 0)
        return fail(QStringLiteral("out of memory"));

    std::string text;
    if (ini->Save(text, false) < 0)
        return fail(QStringLiteral("out of memory"));

    // Unbuffered, so that a short write (a full disk) shows in write()'s count: a
    // buffered QSaveFile can commit a truncated copy over the old file.
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(out.errorString());
    if (out.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        const QString reason = out.errorString();
        out.cancelWriting();
        return fail(reason);
    }
    if (!out.commit())
        return fail(out.errorString());
    return true;
}

} // namespace dalto
