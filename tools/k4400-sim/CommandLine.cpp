#include "CommandLine.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "Task.h"
#include "platform/Version.h"

namespace sim {
namespace {

const char kUsage[] = R"(usage: k4400-sim [options] [--] [KEY_FOLDER]

Executes the task files on a key folder (default: the current directory) as a Veltara
K4400 storage system and its file modules would, and writes their results files:
  satask.txt   -> satask_result.html   (the storage system)
  cfgtask.txt  -> DORNA_results.txt    (the file modules)
The system's state (addresses set by earlier tasks) is kept in .k4400-sim-state in the
key folder, so a later service IP change or password reset reports them.

Options:
  --fail[=CODE[:TEXT]]         the storage task fails with exit code CODE (1 to 255,
                               default 1) and the error text TEXT
  --fail-file-modules[=TEXT]   the file modules report a failed configuration
  --omit storage|file-modules  write no results file for that side (also --omit=...)
  --crlf                       end the results files' lines with CR LF
  --upper                      write the results files in upper case
  --help                       show this text
  --version                    show the version
  --                           what follows is the key folder, even if it starts with -

A task file that the system would not execute (larger than 64 KiB, more than one line,
control characters, unknown command, wrong options, an invalid address) is refused with
a message; nothing is written then. Results files are written whole or not at all.
Exit codes: 0 done, 1 nothing to execute, 2 refused or bad usage.
)";

int Usage(const std::string& why) {
    std::fprintf(stderr, "k4400-sim: %s\n%s", why.c_str(), kUsage);
    return 2;
}

bool IsDecimal(const std::string& text) {
    return !text.empty() && text.size() <= 3 &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

}  // namespace

std::optional<int> ParseCommandLine(int argc, char* argv[], Options& o) {
    std::vector<std::string> operands;
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnd || arg.empty() || arg[0] != '-' || arg == "-") {
            operands.push_back(arg);
            continue;
        }
        const auto eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const bool hasValue = eq != std::string::npos;
        const std::string value = hasValue ? arg.substr(eq + 1) : std::string();
        auto flag = [&](bool& target) {
            if (hasValue) {
                return Usage(name + " takes no value");
            }
            target = true;
            return 0;
        };
        int bad = 0;
        if (arg == "--") {
            optionsEnd = true;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--version") {
            std::printf("k4400-sim %s\n", platform::kVersion);
            return 0;
        } else if (name == "--fail") {
            o.fail = true;
            if (hasValue) {
                const auto colon = value.find(':');
                o.failCode = value.substr(0, colon);
                if (colon != std::string::npos) {
                    o.failText = value.substr(colon + 1);
                }
                if (!IsDecimal(o.failCode) || std::stoi(o.failCode) < 1 ||
                    std::stoi(o.failCode) > 255) {
                    return Usage("bad value for --fail: the exit code must be 1 to 255, not '" +
                                 o.failCode + "'");
                }
                if (HasControl(o.failText)) {
                    return Usage("bad value for --fail: the text holds a control character");
                }
            }
        } else if (name == "--fail-file-modules") {
            o.failFileModules = true;
            if (hasValue) {
                // The file modules' results separate their fields with '|'.
                if (value.empty() || HasControl(value) || value.find('|') != std::string::npos) {
                    return Usage(
                        "bad value for --fail-file-modules: an empty text, a '|' or a control "
                        "character");
                }
                o.fileModuleText = value;
            }
        } else if (name == "--omit") {
            std::string side = value;
            if (!hasValue) {
                if (i + 1 >= argc) {
                    return Usage("--omit needs a value: storage or file-modules");
                }
                side = argv[++i];
            }
            if (side == "storage") {
                o.omitStorage = true;
            } else if (side == "file-modules") {
                o.omitFileModules = true;
            } else {
                return Usage("bad value for --omit: '" + side + "' (storage or file-modules)");
            }
        } else if (name == "--crlf") {
            bad = flag(o.crlf);
        } else if (name == "--upper") {
            bad = flag(o.upper);
        } else {
            return Usage("unknown option " + arg);
        }
        if (bad) {
            return bad;
        }
    }
    if (operands.size() > 1) {
        return Usage("one key folder at most, not " + std::to_string(operands.size()));
    }
    if (!operands.empty()) {
        o.key = operands[0];
    }
    return std::nullopt;
}

}  // namespace sim
