#include "Session.h"

#include "core/BusCode.h"

#include <algorithm>
#include <array>
#include <utility>

namespace dalto::ctl {

namespace {
const std::array<std::pair<const char*, int16_t>, 6> Buses = {{
    {"tcp", bus::Tcp},
    {"rs232", bus::Rs232},
    {"rs485-select", bus::Rs485Select},
    {"rs485-packet", bus::Rs485Packet},
    {"gpib", bus::Gpib},
    {"sim", bus::Simulated},
}};
} // namespace

std::optional<int16_t> BusCodeOfName(const std::string& name)
{
    const auto found = std::find_if(Buses.begin(), Buses.end(), [&](const auto& bus) { return name == bus.first; });
    if (found == Buses.end())
        return std::nullopt;
    return found->second;
}

const std::vector<std::string>& BusNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const auto& bus : Buses)
            all.emplace_back(bus.first);
        return all;
    }();
    return names;
}

} // namespace dalto::ctl
