#pragma once
// A keyed, ordered group of lamps: reached by 1-based position (the item a menu
// points at) or by key (the bit a word lights).

#include "Lamp.h"

#include <QString>
#include <utility>
#include <vector>

namespace dalto::front {

class LampCollection {
public:
    void add(const QString& key, Lamp* lamp) { members_.emplace_back(key, lamp); }
    void clear() { members_.clear(); }
    bool isEmpty() const { return members_.empty(); }
    int count() const { return int(members_.size()); }

    // Null outside 1..count().
    Lamp* at(int position) const
    {
        return position >= 1 && position <= count() ? members_[size_t(position - 1)].second : nullptr;
    }
    Lamp* find(const QString& key) const
    {
        for (const auto& [memberKey, lamp] : members_)
            if (memberKey == key)
                return lamp;
        return nullptr;
    }
    Lamp* last() const { return members_.empty() ? nullptr : members_.back().second; }

    auto begin() const { return members_.begin(); }
    auto end() const { return members_.end(); }

private:
    std::vector<std::pair<QString, Lamp*>> members_;
};

} // namespace dalto::front
