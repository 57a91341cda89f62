#pragma once
// A control array: controls of one kind addressed by a number that means
// something (a command-list position, a bit number). Only listed numbers exist.

#include <map>

namespace dalto {

template <class Control>
using ControlArray = std::map<int, Control*>;

} // namespace dalto
