#pragma once
// The command line of k4400-init, understood before anything on any key is touched.
// Plain C++: the entry point acts on what it finds.

#include <string>
#include <vector>

namespace app {

struct CommandLine {
    enum Action { Run, Help, Version, Error };
    Action action = Run;
    std::string keyFolder;   // empty: the current directory, as when run from the key
    bool chooseKey = false;  // ask for the key folder first (a start from a desktop menu)
    std::string error;       // what is wrong, for Error
};

// `args` without the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text of --help (and, after an error, on stderr).
extern const char kUsage[];
std::string VersionText();

}  // namespace app
