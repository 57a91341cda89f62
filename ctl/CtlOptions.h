#pragma once
// What the command line asked for: the connection, the subcommand and its
// arguments. Filled by the argument parser, read by the subcommands.

#include <optional>
#include <string>
#include <vector>

namespace dalto::ctl {

struct ConnectionOptions {
    std::string config;                 // settings file; empty: the program's own
    std::optional<std::string> bus;     // tcp, rs232, rs485-select, rs485-packet, gpib, sim
    std::optional<std::string> address;
    std::optional<std::string> port;
    int timeoutSeconds = 2;             // reply time-out of every read
};

struct CtlOptions {
    ConnectionOptions connection;
    std::string subcommand;
    // query, send: the commands ("-" reads them from standard input).
    std::vector<std::string> commands;
    // status
    std::optional<double> watchSeconds;
    std::optional<int> count;           // also bench's round trips
    bool json = false;
    // set: the quantity and its value; output: on or off; modtable: save or load.
    std::string what;
    std::string value;
    // modtable, flash: the file.
    std::string file;
    // discover
    std::optional<std::string> target;
    std::optional<double> searchSeconds;
};

} // namespace dalto::ctl
