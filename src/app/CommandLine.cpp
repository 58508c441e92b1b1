#include "app/CommandLine.h"

#include "platform/Version.h"

namespace app {

const char kUsage[] = R"(usage: k4400-init [--choose-key] [--] [KEY_FOLDER]

The Quorvex Veltara K4400 Initialization Tool: sets up a new Veltara K4400 storage system
(or its unified variant), or recovers access to one, through task files on a USB key.

Run it from the key's top folder, or name the key folder. There it removes a stale
satask.txt, reports the results the system wrote (satask_result.html, DORNA_results.txt)
and writes the task files (satask.txt, cfgtask.txt) for the system to execute. Without a
key folder it works in the current folder; on Windows, started in the Windows folder or
its system folder (as "Run as administrator" does), in the folder that holds the program.

Options:
  --choose-key   ask for the key folder first (how the desktop menu starts it)
  --help         show this text and exit
  --version      show the version and exit
  --             what follows is the key folder, even if it starts with -

Exit status: 0 when the wizard ends, 1 without a display, 2 for a bad command line or a
key folder that cannot be opened.
)";

std::string VersionText() {
    return std::string("k4400-init ") + platform::kVersion + "\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    std::vector<std::string> operands;
    bool optionsEnd = false;
    for (const std::string& arg : args) {
        if (optionsEnd || arg.empty() || arg[0] != '-' || arg == "-") {
            operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnd = true;
        } else if (arg == "--help" || arg == "-h") {
            return {CommandLine::Help, {}, false, {}};
        } else if (arg == "--version") {
            return {CommandLine::Version, {}, false, {}};
        } else if (arg == "--choose-key") {
            line.chooseKey = true;
        } else {
            return {CommandLine::Error, {}, false, "unknown option " + arg};
        }
    }
    if (operands.size() > 1) {
        return {CommandLine::Error, {}, false, "one key folder at most"};
    }
    if (line.chooseKey && !operands.empty()) {
        return {CommandLine::Error, {}, false, "--choose-key and a key folder exclude each other"};
    }
    if (!operands.empty()) {
        line.keyFolder = operands[0];
    }
    return line;
}

}  // namespace app
