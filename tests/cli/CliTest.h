#pragma once
// What the command line's tests share: the page-logic fixture (scratch key, recording
// platform speaking the English table, headless page driver) and the command line run in
// the same process, its output and exit code kept.

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

inline CliRun RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = cli::Run(args, out, err);
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
