#include "CommandLine.h"

#include "ExitCodes.h"
#include "NameSuggestion.h"
#include "Session.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace dalto::ctl {

namespace {

void addConnectionOptions(CLI::App& app, ConnectionOptions& connection)
{
    app.add_option("--config", connection.config,
                   "Settings file (default: Dalto_Panel.ini of the program folder, as dalto-panel uses)")
        ->type_name("FILE");
    app.add_option("--bus", connection.bus, "Bus, overriding the settings file")
        ->check(CLI::IsMember(BusNames()))
        ->type_name("BUS");
    app.add_option("--address", connection.address,
                   "Host name or IP address (tcp), node address (rs485), GPIB address")
        ->type_name("ADDR");
    app.add_option("--port", connection.port, "TCP port (tcp), serial port number N of [Serial_Ports] PortN")
        ->type_name("N");
    app.add_option("--timeout", connection.timeoutSeconds, "Reply time-out in seconds (2)")
        ->check(CLI::Range(1, 3600))
        ->type_name("S");
}

void addExchangeCommands(CLI::App& app, CtlOptions& options)
{
    auto* query = app.add_subcommand("query", "Send each command; print the reply of each query, one per line");
    query->add_option("commands", options.commands, "Commands, or - to read them from standard input")
        ->required();
    auto* send = app.add_subcommand("send", "Send each command without reading a reply");
    send->add_option("commands", options.commands, "Commands, or - to read them from standard input")
        ->required();
    app.add_subcommand("info", "Ratings, set points, versions and display formats");
    auto* status = app.add_subcommand("status", "Measured output and the status and fault bits by name");
    status->add_option("--watch", options.watchSeconds, "Poll every S seconds, one line per reading")
        ->check(CLI::PositiveNumber)
        ->type_name("S");
    status->add_option("--count", options.count, "Stop after N readings")
        ->check(CLI::PositiveNumber)
        ->type_name("N");
    status->add_flag("--json", options.json, "JSON lines instead of CSV");
}

void addSettingCommands(CLI::App& app, CtlOptions& options)
{
    auto* set = app.add_subcommand("set", "Set a set point or protection level as the front panel does");
    set->add_option("quantity", options.what, "voltage, current, ovp or ocp")
        ->required()
        ->check(CLI::IsMember({"voltage", "current", "ovp", "ocp"}));
    set->add_option("value", options.value, "Volts or amperes")->required();
    auto* output = app.add_subcommand("output", "Switch the output on or off");
    output->add_option("state", options.what, "on or off")->required()->check(CLI::IsMember({"on", "off"}));
    auto* modtable = app.add_subcommand("modtable", "Save the modulation table to a file or load it from one");
    modtable->add_option("action", options.what, "save or load")->required()->check(CLI::IsMember({"save", "load"}));
    modtable->add_option("file", options.file, "Modulation table file (.modTable)")->required();
    auto* flash = app.add_subcommand("flash", "Load firmware from an Intel HEX file into the supply");
    flash->add_option("file", options.file, "Firmware file (.hex)")->required();
}

void addToolCommands(CLI::App& app, CtlOptions& options)
{
    auto* discover = app.add_subcommand("discover", "Search the network for supplies ([Discovery] settings)");
    discover->add_option("--target", options.target, "Address the search request goes to")->type_name("ADDR");
    discover->add_option("--timeout", options.searchSeconds, "Seconds to wait for replies (2)")
        ->check(CLI::PositiveNumber)
        ->type_name("S");
    app.add_subcommand("gpib-find", "List the listeners on the GPIB bus with their identification");
    auto* bench = app.add_subcommand("bench", "Query round trips per second on the connection");
    bench->add_option("--count", options.count, "Round trips (1000)")->check(CLI::PositiveNumber)->type_name("N");
    app.add_subcommand("shell", "Interactive session: each line is sent, a query's reply printed");
}

// The word where the subcommand belongs: the first argument that is neither an
// option of daltoctl itself nor the value of one.
std::optional<std::string> subcommandWord(const CLI::App& app, int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!argument.starts_with('-'))
            return argument;
        const CLI::Option* option = app.get_option_no_throw(argument);
        if (option && option->get_items_expected_min() > 0 && argument.find('=') == std::string::npos)
            ++i;
    }
    return std::nullopt;
}

// "unknown subcommand" with the one that was probably meant, when word is not
// a subcommand; empty when it is one or there is none.
std::string unknownSubcommand(const CLI::App& app, const std::optional<std::string>& word)
{
    std::vector<std::string> names;
    for (const CLI::App* subcommand : app.get_subcommands([](const CLI::App*) { return true; }))
        names.push_back(subcommand->get_name());
    if (!word || std::find(names.begin(), names.end(), *word) != names.end())
        return {};
    std::string text = "unknown subcommand '" + *word + "'";
    if (const std::optional<std::string> meant = ClosestName(*word, names))
        text += "; did you mean '" + *meant + "'?";
    return text;
}

} // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv)
{
    CtlOptions options;
    CLI::App app{"daltoctl: operates a Dalto power supply from the command line and from scripts", "daltoctl"};
    app.require_subcommand(1);
    app.fallthrough();
    addConnectionOptions(app, options.connection);
    addExchangeCommands(app, options);
    addSettingCommands(app, options);
    addToolCommands(app, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return {std::nullopt, app.exit(help)};
    } catch (const CLI::CallForAllHelp& help) {
        return {std::nullopt, app.exit(help)};
    } catch (const CLI::ParseError& error) {
        const std::string unknown = unknownSubcommand(app, subcommandWord(app, argc, argv));
        std::fprintf(stderr, "daltoctl: %s\nTry 'daltoctl --help'.\n",
                     unknown.empty() ? error.what() : unknown.c_str());
        return {std::nullopt, exitcode::UsageError};
    }
    options.subcommand = app.get_subcommands().front()->get_name();
    return {options, exitcode::Success};
}

} // namespace dalto::ctl
