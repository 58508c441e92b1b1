#pragma once
// What the command line's tests share: the page-logic fixture (scratch key, recording
// platform speaking the English table, headless page driver) and the command line run in
// the same process, its output and exit code kept.

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "PageTest.h"
#include "cli/Cli.h"
#include "cli/StringTables.h"
#include "platform/Utf8.h"

namespace tests {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

// Runs the command line; with --json its object is kept in $K4400_JSON_LOG, which the
// schema check reads after the tests.
inline CliRun RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = cli::Run(args, out, err);
    const char* log = std::getenv("K4400_JSON_LOG");
    if (log && *log && out.str().rfind("{", 0) == 0) {
        std::ofstream(log, std::ios::app) << out.str();
    }
    return {code, out.str(), err.str()};
}

class CliLogic : public PageLogic {
  protected:
    void SetUp() override {
        PageLogic::SetUp();
        fake.loader = [](int id) { return platform::FromUtf8(cli::TableText("en_US", id)); };
    }
};

}  // namespace tests
