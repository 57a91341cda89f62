#pragma once

#include <dialix/dialix_export.h>

#include <QMap>
#include <QString>
#include <QVariant>

namespace dialix {

// The container's store of a control's design-time properties. Keys match
// without regard to case, as the stored forms of the panels expect; the
// spelling of the last write is kept for listing.
class DIALIX_EXPORT PropertyBag {
public:
    QVariant read(const QString& key, const QVariant& fallback) const;
    void write(const QString& key, const QVariant& value);
    bool contains(const QString& key) const;
    QStringList keys() const;

private:
    struct Entry {
        QString key;
        QVariant value;
    };
    QMap<QString, Entry> m_entries; // by case-folded key
};

} // namespace dialix
