#include <dialix/PropertyBag.h>

namespace dialix {

QVariant PropertyBag::read(const QString& key, const QVariant& fallback) const
{
    const auto it = m_entries.constFind(key.toCaseFolded());
    return it == m_entries.constEnd() ? fallback : it->value;
}

void PropertyBag::write(const QString& key, const QVariant& value)
{
    m_entries.insert(key.toCaseFolded(), Entry{key, value});
}

bool PropertyBag::contains(const QString& key) const
{
    return m_entries.contains(key.toCaseFolded());
}

QStringList PropertyBag::keys() const
{
    QStringList result;
    for (const Entry& entry : m_entries)
        result << entry.key;
    return result;
}

} // namespace dialix
