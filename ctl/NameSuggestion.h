#pragma once
// The name a mistyped word was probably meant to be, for "did you mean ...".

#include <optional>
#include <string>
#include <vector>

namespace dalto::ctl {

// The one name that word is a prefix of, else the nearest name within a small
// number of typing slips (a letter missing, added, changed or two letters
// swapped: one slip for short words, two from five letters on); nothing when
// none is that close or two are equally close.
std::optional<std::string> ClosestName(const std::string& word, const std::vector<std::string>& names);

} // namespace dalto::ctl
