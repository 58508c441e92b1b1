#pragma once
// The stand-in's command line: its options, understood before any key folder is touched.

#include <filesystem>
#include <optional>
#include <string>

namespace sim {

struct Options {
    std::filesystem::path key = ".";
    bool fail = false;
    std::string failCode = "1";
    std::string failText = "CMMVC5707E Required parameters are missing.";
    bool failFileModules = false;
    std::string fileModuleText = "File module 2 did not respond to the configuration request.";
    bool omitStorage = false;
    bool omitFileModules = false;
    bool crlf = false;
    bool upper = false;
};

// Reads the command line into `options`; an exit code when the program ends there (help,
// version, a bad command line, which has been reported), nothing when it goes on.
std::optional<int> ParseCommandLine(int argc, char* argv[], Options& options);

}  // namespace sim
