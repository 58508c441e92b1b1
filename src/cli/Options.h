#pragma once
// The command line of k4400-init-cli as one table: each command a record with its options
// and the shape of their values, its help and the function that runs it. The parser, --help,
// COMMAND --help, the bash completion and the manual page's synopsis all come from it.

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

struct Invocation {
    enum Action { Run, Help, Version, Error };
    Action action = Run;
    std::string command;  // "new-system", ...; empty with Help: the general help
    std::string key;      // empty: the current folder
    bool json = false;
    bool dryRun = false;
    bool yes = false;
    bool serviceDefault = false;  // service-ip --default
    // The command's value options by name ("address", "file-module1", ...), as given.
    std::map<std::string, std::string> values;
    std::string error;  // for Error

    bool Has(const std::string& name) const { return values.count(name) != 0; }
    const std::string& Value(const std::string& name) const { return values.at(name); }
};

struct OptionSpec {
    const char* name;   // without the leading "--"
    const char* value;  // what its value is called in the help; nullptr: a flag
    const char* help;
    std::vector<const char*> completions;  // the values the completion offers
};

struct CommandSpec {
    const char* name;
    const char* summary;
    // Each way to call it, as the help and the manual show it ("--default", "--address A
    // --mask M --gateway G"); empty: the command alone.
    std::vector<const char*> usages;
    std::vector<OptionSpec> options;
    const char* help;  // what COMMAND --help says after the usages
    int (*run)(const Invocation& invocation, std::ostream& out, std::ostream& err);
};

const std::vector<OptionSpec>& GlobalOptions();
const std::vector<CommandSpec>& Commands();
const CommandSpec* FindCommand(const std::string& name);

// `args` without the program's name.
Invocation ParseInvocation(const std::vector<std::string>& args);

// The text of --help, or of COMMAND --help.
std::string HelpText(const std::string& command);
std::string VersionText();
// The bash completion script, and the manual page's SYNOPSIS section, made from the table.
std::string BashCompletion();
std::string ManualSynopsis();

// The exit codes, one table for the program, its help, its manual and its tests.
enum ExitCode {
    kExitDone = 0,
    kExitRefused = 1,
    kExitUsage = 2,
    kExitKey = 3,
    kExitTaskFailed = 4,
    kExitNoResults = 5,
};

}  // namespace cli
