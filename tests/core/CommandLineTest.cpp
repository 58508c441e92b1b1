// The wizard's command line: what each form asks for, and what it refuses.
#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace tests {
namespace {

using app::CommandLine;

TEST(CommandLine, FormsAndRefusals) {
    struct Case {
        std::vector<std::string> args;
        CommandLine::Action action;
        std::string keyFolder;
        bool chooseKey;
    };
    const Case cases[] = {
        {{}, CommandLine::Run, "", false},
        {{"/media/usb"}, CommandLine::Run, "/media/usb", false},
        {{"--", "-odd name"}, CommandLine::Run, "-odd name", false},
        {{"-"}, CommandLine::Run, "-", false},
        {{"--choose-key"}, CommandLine::Run, "", true},
        {{"--help"}, CommandLine::Help, "", false},
        {{"-h", "--bogus"}, CommandLine::Help, "", false},  // help wins, nothing else is read
        {{"--version"}, CommandLine::Version, "", false},
        {{"--bogus"}, CommandLine::Error, "", false},
        {{"-x", "/media/usb"}, CommandLine::Error, "", false},
        {{"/media/a", "/media/b"}, CommandLine::Error, "", false},
        {{"--choose-key", "/media/usb"}, CommandLine::Error, "", false},
        {{"--help=yes"}, CommandLine::Error, "", false},
    };
    for (const Case& c : cases) {
        const CommandLine line = app::ParseCommandLine(c.args);
        std::string joined;
        for (const auto& a : c.args) {
            joined += a + " ";
        }
        EXPECT_EQ(line.action, c.action) << joined;
        EXPECT_EQ(line.keyFolder, c.keyFolder) << joined;
        EXPECT_EQ(line.chooseKey, c.chooseKey) << joined;
        EXPECT_EQ(line.error.empty(), c.action != CommandLine::Error) << joined;
    }
}

}  // namespace
}  // namespace tests
