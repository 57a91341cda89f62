#include "sim/ScpiHeader.h"

namespace dalto::sim {

ScpiHeaderPattern::ScpiHeaderPattern(QStringView pattern)
{
    QString name;
    bool inBracket = false;
    auto flush = [&](bool optional) {
        if (name.isEmpty())
            return;
        qsizetype shortLength = 0;
        while (shortLength < name.size() && !name[shortLength].isLower())
            ++shortLength;
        nodes_.push_back({name.toUpper(), name.left(shortLength).toUpper(), optional});
        name.clear();
    };
    for (QChar c : pattern) {
        if (c == u'[') {
            flush(false);
            inBracket = true;
        } else if (c == u']') {
            flush(true);
            inBracket = false;
        } else if (c == u':') {
            flush(inBracket);
        } else {
            name.append(c);
        }
    }
    flush(inBracket);
}

bool ScpiHeaderPattern::matches(QStringView header) const
{
    if (header.startsWith(u':'))
        header = header.mid(1);
    if (header.isEmpty())
        return false;
    const QList<QStringView> parts = header.split(u':');
    return matchFrom(0, parts, 0);
}

bool ScpiHeaderPattern::matchFrom(size_t node, const QList<QStringView>& parts, qsizetype part) const
{
    if (node == nodes_.size())
        return part == parts.size();
    const Node& n = nodes_[node];
    if (part < parts.size()) {
        const QStringView word = parts[part];
        const bool wordMatches = word.compare(n.longForm, Qt::CaseInsensitive) == 0
                                 || word.compare(n.shortForm, Qt::CaseInsensitive) == 0;
        if (wordMatches && matchFrom(node + 1, parts, part + 1))
            return true;
    }
    return n.optional && matchFrom(node + 1, parts, part);
}

} // namespace dalto::sim
