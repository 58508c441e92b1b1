#pragma once
// The command line of k4400-init-cli: global options, one command, the command's options.
// Understood in full before the key is touched; what is wrong with it is a usage error.

#include <map>
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

// `args` without the program's name.
Invocation ParseInvocation(const std::vector<std::string>& args);

// The text of --help, or of COMMAND --help.
std::string HelpText(const std::string& command);
std::string VersionText();

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
