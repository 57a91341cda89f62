#include "NameSuggestion.h"

#include <algorithm>
#include <iterator>

namespace dalto::ctl {

namespace {

constexpr std::size_t LongWord = 5;

// Edits from a to b, a swap of two neighbouring letters counting as one.
std::size_t slips(const std::string& a, const std::string& b)
{
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t changed = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + changed});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

} // namespace

std::optional<std::string> ClosestName(const std::string& word, const std::vector<std::string>& names)
{
    if (word.empty())
        return std::nullopt;
    std::vector<std::string> extended;
    std::copy_if(names.begin(), names.end(), std::back_inserter(extended),
                 [&](const std::string& name) { return name.size() > word.size() && name.starts_with(word); });
    if (extended.size() == 1)
        return extended.front();

    const std::size_t allowed = word.size() >= LongWord ? 2 : 1;
    std::optional<std::string> best;
    std::size_t bestSlips = allowed + 1;
    bool tied = false;
    for (const std::string& name : names) {
        const std::size_t count = slips(word, name);
        if (count < bestSlips) {
            best = name;
            bestSlips = count;
            tied = false;
        } else if (count == bestSlips) {
            tied = true;
        }
    }
    if (tied || bestSlips > allowed)
        return std::nullopt;
    return best;
}

} // namespace dalto::ctl
