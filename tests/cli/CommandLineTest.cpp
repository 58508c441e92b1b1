// The command line's own behaviour: usage errors, help, what goes to stdout and to stderr,
// entries that no page's box can hold, --dry-run, a key that cannot be written or is not
// there, and clear.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "CliTest.h"
#include "cli/Json.h"
#include "cli/Options.h"
#include "platform/FileError.h"
#include "platform/Version.h"

namespace tests {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

const Args kNewSystem = {"new-system",    "--address", "192.168.1.50", "--mask",
                         "255.255.255.0", "--gateway", "192.168.1.1"};
const std::string kNewSystemLine =
    "satask mkcluster -clusterip 192.168.1.50 -gw 192.168.1.1 -mask 255.255.255.0";

Args With(Args head, const Args& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

using CommandLine = CliLogic;

TEST_F(CommandLine, BadUsageIsExitTwoAndTouchesNothing) {
    const std::pair<Args, const char*> cases[] = {
        {{}, "no command given"},
        // An unknown option is named as unknown wherever it stands.
        {{"--quiet", "results"}, "unknown option --quiet"},
        {{"results", "--bogus"}, "unknown option --bogus"},
        {{"results", "-x"}, "unknown option '-x'"},
        {{"help", "initialise"}, "unknown command 'initialise'"},
        // After "--" every word is the command's, options too.
        {{"--", "--json", "results"}, "unknown command '--json'"},
        {{"results", "--", "clear"}, "unexpected argument 'clear'"},
        {{"initialise"}, "unknown command 'initialise'"},
        {{"new-system", "extra"}, "unexpected argument 'extra'"},
        {{"new-system", "--address"}, "--address needs a value"},
        {{"new-system", "--address", "1.2.3.4", "--gateway", "1.2.3.1"},
         "new-system needs either --mask (IPv4) or --prefix (IPv6)"},
        {{"new-system", "--address", "1.2.3.4", "--mask", "255.0.0.0", "--prefix", "8", "--gateway",
          "1.2.3.1"},
         "new-system needs either --mask (IPv4) or --prefix (IPv6)"},
        {{"new-system", "--mask", "255.0.0.0", "--gateway", "1.2.3.1"},
         "new-system needs --address"},
        {{"new-system", "--address", "1", "--address", "2", "--mask", "", "--gateway", ""},
         "--address given twice"},
        {{"reset-password", "--address", "1.2.3.4"}, "unknown option --address for reset-password"},
        {{"service-ip", "--default", "--address", "1.2.3.4"}, "--default takes no address options"},
        {{"new-system", "--default"}, "unknown option --default for new-system"},
        {{"unified", "--address", "1.2.3.4"}, "unified needs --mask"},
        {{"results", "--json=yes"}, "--json takes no value"},
        {{"--key", "", "results"}, "--key needs a folder"},
        {With(kNewSystem, {"--internal-range", "172.31.8.1"}),
         "unknown option --internal-range for new-system"},
    };
    TempKey::Write("satask.txt", "satask resetpassword");
    for (const auto& [args, error] : cases) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.code, 2) << error;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err,
                  std::string("k4400-init-cli: ") + error + "\nTry 'k4400-init-cli --help'.\n");
    }
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask resetpassword");
}

TEST_F(CommandLine, HelpForTheProgramAndEachCommand) {
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* part :
         {"usage: k4400-init-cli", "new-system", "service-ip", "reset-password", "unified",
          "results", "clear", "--dry-run", "  3  the key could not be written or read",
          "  5  no results on the key to report"}) {
        EXPECT_NE(help.out.find(part), std::string::npos) << part;
    }
    for (const char* command :
         {"new-system", "service-ip", "reset-password", "unified", "results", "clear"}) {
        const CliRun run = RunCli({command, "--help"});
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.out.find(std::string("usage: k4400-init-cli [--key DIR] [--json] "
                                           "[--dry-run] [--yes] ") +
                               command),
                  0u)
            << run.out;
        EXPECT_NE(run.out, help.out);
    }
    EXPECT_EQ(RunCli({"unified", "--help"}).out.find("--internal-range") != std::string::npos,
              true);
    // -h is --help; "help" says the same as --help, before or after a command.
    EXPECT_EQ(RunCli({"-h"}).out, help.out);
    EXPECT_EQ(RunCli({"help"}).out, help.out);
    EXPECT_EQ(RunCli({"help", "new-system"}).out, RunCli({"new-system", "--help"}).out);
    EXPECT_EQ(RunCli({"new-system", "-h"}).out, RunCli({"new-system", "--help"}).out);
    EXPECT_EQ(RunCli({"--dry-run", "--", "reset-password"}).out,
              "satask.txt: satask resetpassword\n");
    EXPECT_EQ(RunCli({"--version"}).out,
              std::string("k4400-init-cli ") + platform::kVersion + "\n");
    EXPECT_FALSE(TempKey::Exists("satask.txt"));
}

// Text that no page's box can hold is refused with the message the page has for that box.
TEST_F(CommandLine, EntriesNoBoxCanHoldAreRefusedWithTheBoxMessage) {
    struct Case {
        Args args;
        std::wstring message;
    };
    auto load = [](int id, const wchar_t* argument) {
        return platform::LoadFormatted(id, {argument});
    };
    const Case cases[] = {
        {{"new-system", "--address", "1.2.3.4.5", "--mask", "255.0.0.0", "--gateway", "1.1.1.1"},
         load(IDS_INVALID_ADDRESS, L"1.2.3.4.5")},
        {{"new-system", "--address", "1.2.3.4", "--mask", "255.0.0.0000", "--gateway", "1.1.1.1"},
         load(IDS_INVALID_MASK, L"255.0.0.0000")},
        {{"service-ip", "--address", "1.2.3.4", "--mask", "255.0.0.0", "--gateway", " 1.2.3.1"},
         load(IDS_INVALID_GATEWAY, L" 1.2.3.1")},
        {{"new-system", "--address", "a.b.c.d", "--mask", "255.0.0.0", "--gateway", "1.1.1.1"},
         load(IDS_INVALID_ADDRESS, L"a.b.c.d")},
        {{"new-system", "--address", "2001:db8:0000:0000:0000:0000:0000:00001", "--prefix", "64",
          "--gateway", "fe80::1"},
         load(IDS_INVALID_ADDRESS, L"2001:db8:0000:0000:0000:0000:0000:00001")},
        {{"service-ip", "--address", "2001:db8::1", "--prefix", "-1", "--gateway", "fe80::1"},
         load(IDS_INVALID_PREFIX, L"-1")},
        {{"service-ip", "--address", "2001:db8::1", "--prefix", "0064", "--gateway", "fe80::1"},
         load(IDS_INVALID_PREFIX, L"0064")},
        // A field over 255 leaves the IP address control blank: its page refuses that.
        {{"unified", "--address", "192.168.1.300", "--mask", "255.255.255.0", "--gateway",
          "192.168.1.1", "--management", "192.168.1.20", "--file-module1", "192.168.1.21",
          "--file-module2", "192.168.1.22", "--internal-range", "172.31.8.1"},
         platform::LoadFormatted(IDS_NOT_VALID_UNIQUE, {platform::LoadName(IDS_IP_ADDRESS)})},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.code, 1) << c.args[2];
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "k4400-init-cli: " + platform::ToUtf8(c.message) + "\n");
        EXPECT_FALSE(TempKey::Exists("satask.txt"));
    }
    const CliRun unknown =
        RunCli(With({"unified", "--address", "192.168.1.10", "--mask", "255.255.255.0", "--gateway",
                     "192.168.1.1", "--management", "192.168.1.20", "--file-module1",
                     "192.168.1.21", "--file-module2", "192.168.1.22"},
                    {"--internal-range", "10.0.0.1"}));
    EXPECT_EQ(unknown.code, 1);  // no entry picked: the page's own message for it
    EXPECT_NE(unknown.err.find(platform::ToUtf8(platform::LoadText(IDS_NO_INTERNAL_RANGE))),
              std::string::npos);
}

TEST_F(CommandLine, WrittenLinesOnStdoutAndNothingOnStderr) {
    const CliRun run = RunCli(kNewSystem);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "satask.txt: " + kNewSystemLine + "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(TempKey::Read("satask.txt"), kNewSystemLine);
}

// A folder the system does not read: the task is written all the same, stderr says where it
// went and why that matters, the JSON says what was found.
TEST_F(CommandLine, AFolderThatIsNotAKeysTopIsWrittenAndWarnedOf) {
    const std::string folder = cli::json::String(place.folder);
    const std::pair<platform::KeyPlace, std::string> cases[] = {
        {{place.folder, false, true}, "\"top_folder\":false,\"removable\":true"},
        {{place.folder, true, false}, "\"top_folder\":true,\"removable\":false"},
    };
    for (const auto& [where, found] : cases) {
        place = where;
        const CliRun run = RunCli(With({"--json"}, kNewSystem));
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(TempKey::Read("satask.txt"), kNewSystemLine);
        EXPECT_EQ(run.err, "k4400-init-cli: " +
                               platform::ToUtf8(
                                   platform::LoadFormatted(IDS_FW_KEY_NOT_TOP, {place.folder})) +
                               "\n");
        EXPECT_NE(run.out.find("\"key\":{\"folder\":" + folder + "," + found + "}}"),
                  std::string::npos)
            << run.out;
    }
}

TEST_F(CommandLine, ADryRunWritesNothing) {
    TempKey::Write("satask.txt", "satask resetpassword");
    const CliRun run = RunCli(With({"--dry-run", "--json"}, kNewSystem));
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              "{\"version\":1,\"command\":\"new-system\",\"written\":false,\"dry_run\":true,"
              "\"files\":{\"satask.txt\":\"" +
                  kNewSystemLine + "\"},\"key\":{\"folder\":" + cli::json::String(place.folder) +
                  ",\"top_folder\":true,\"removable\":true}}\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask resetpassword");
    const CliRun unified = RunCli(
        {"--dry-run", "unified", "--address", "192.168.1.10", "--mask", "255.255.255.0",
         "--gateway", "192.168.1.1", "--management", "192.168.1.20", "--file-module1",
         "192.168.1.21", "--file-module2", "192.168.1.22", "--internal-range", "192.168.8.1"});
    EXPECT_EQ(unified.code, 0);
    EXPECT_NE(unified.out.find("cfgtask.txt: cfginit --ip=192.168.1.20"), std::string::npos);
    EXPECT_FALSE(TempKey::Exists("cfgtask.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

// The key is named in the message with what is wrong with it; nothing is made anywhere.
TEST_F(CommandLine, AKeyThatCannotBeReachedOrWritten) {
    const fs::path here = fs::current_path();
    TempKey::Write("a-file", "");
    struct Case {
        Args args;
        std::wstring message;
    };
    const std::wstring openFailed = platform::LoadText(IDS_TASKFILE_OPEN_FAILED) + L"\n\n";
    fs::create_directory("full");
    fs::create_directory("full/satask.txt");
    fs::create_directory("half");
    fs::create_directory("half/cfgtask.txt");
    const Case cases[] = {
        {With({"--key", "nowhere"}, kNewSystem),
         platform::DescribeFileError(platform::FileErrorCause::NotFound, L"nowhere")},
        {{"--key", "nowhere", "results"},
         platform::DescribeFileError(platform::FileErrorCause::NotFound, L"nowhere")},
        {With({"--key", "a-file"}, kNewSystem),
         platform::DescribeFileError(platform::FileErrorCause::BadPath, L"a-file")},
        // A folder under the task file's name stops the write, for root too.
        {With({"--key", "full"}, kNewSystem),
         openFailed +
             platform::DescribeFileError(platform::FileErrorCause::NotAFile, L"satask.txt")},
        {{"--key", "half", "unified", "--address", "192.168.1.10", "--mask", "255.255.255.0",
          "--gateway", "192.168.1.1", "--management", "192.168.1.20", "--file-module1",
          "192.168.1.21", "--file-module2", "192.168.1.22", "--internal-range", "172.31.8.1"},
         openFailed +
             platform::DescribeFileError(platform::FileErrorCause::NotAFile, L"cfgtask.txt")},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.code, 3) << c.args[1];
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "k4400-init-cli: " + platform::ToUtf8(c.message) + "\n");
        EXPECT_EQ(fs::current_path(), here);
    }
    EXPECT_FALSE(fs::exists("nowhere"));
    // The pair is one task: the storage half does not stay without the file modules' half.
    EXPECT_FALSE(fs::exists("half/satask.txt"));
    const CliRun json = RunCli(With({"--json", "--key", "full"}, kNewSystem));
    EXPECT_EQ(json.out,
              "{\"version\":1,\"command\":\"new-system\",\"written\":false,\"dry_run\":false,"
              "\"files\":{},\"failed\":{\"message\":" +
                  cli::json::String(cases[3].message) + "}}\n");
}

TEST_F(CommandLine, TheQuestionRefusesUnlessYesAnswersIt) {
    const Args args = {"--json",   "new-system", "--address", "2001:db8",
                       "--prefix", "64",         "--gateway", "fe80::1"};
    const CliRun refused = RunCli(args);
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.out.find("\"question\":true"), std::string::npos) << refused.out;
    EXPECT_NE(refused.err.find("--yes answers OK"), std::string::npos);
    EXPECT_FALSE(TempKey::Exists("satask.txt"));
    const CliRun yes = RunCli(With({"--yes"}, args));
    EXPECT_EQ(yes.code, 0);
    EXPECT_EQ(TempKey::Read("satask.txt"),
              "satask mkcluster -clusterip_6 2001:db8 -gw_6 fe80::1 -prefix_6 64");
}

TEST_F(CommandLine, ClearRemovesBothTaskFilesAsCancelDoes) {
    TempKey::Write("satask.txt", "satask resetpassword");
    TempKey::Write("cfgtask.txt", "cfginit");
    TempKey::Write("satask_result.html", "results");
    const CliRun dry = RunCli({"--dry-run", "clear"});
    EXPECT_EQ(dry.out, "satask.txt: present\ncfgtask.txt: present\n");
    EXPECT_TRUE(TempKey::Exists("satask.txt"));
    const CliRun run = RunCli({"--json", "clear"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              "{\"version\":1,\"command\":\"clear\",\"dry_run\":false,\"files\":{\"satask.txt\":"
              "\"removed\",\"cfgtask.txt\":\"removed\"}}\n");
    EXPECT_FALSE(TempKey::Exists("satask.txt"));
    EXPECT_FALSE(TempKey::Exists("cfgtask.txt"));
    EXPECT_TRUE(TempKey::Exists("satask_result.html"));
    EXPECT_EQ(RunCli({"clear"}).out, "satask.txt: absent\ncfgtask.txt: absent\n");
    fs::create_directory("satask.txt");
    const CliRun folder = RunCli({"--json", "clear"});
    EXPECT_EQ(folder.code, 3);
    EXPECT_TRUE(fs::is_directory("satask.txt"));
    // What stays is told on stderr, in the user's words; stdout only says it stayed.
    const std::wstring notAFile =
        platform::DescribeFileError(platform::FileErrorCause::NotAFile, L"satask.txt");
    EXPECT_EQ(folder.err, "k4400-init-cli: " + platform::ToUtf8(notAFile) + "\n");
    EXPECT_EQ(folder.out,
              "{\"version\":1,\"command\":\"clear\",\"dry_run\":false,\"files\":{\"satask.txt\":"
              "\"kept\",\"cfgtask.txt\":\"absent\"},\"failed\":{\"message\":" +
                  cli::json::String(notAFile) + "}}\n");
}

}  // namespace
}  // namespace tests

namespace tests {
namespace {

std::string ReadSource(const std::string& path) {
    std::ifstream in(std::string(K4400_SOURCE) + "/" + path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The bash completion and the manual page's synopsis are made from the table of commands:
// the shipped files say what the table says. (K4400_WRITE_GENERATED=1 writes them anew.)
TEST(CommandTable, TheCompletionAndTheManualSayWhatTheTableSays) {
    const std::string completion = "packaging/linux/k4400-init-cli.bash-completion";
    const std::string manual = "packaging/linux/k4400-init-cli.1";
    std::string page = ReadSource(manual);
    std::size_t from = page.find(".SH SYNOPSIS\n");
    std::size_t to = page.find(".SH DESCRIPTION\n");
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    if (const char* write = std::getenv("K4400_WRITE_GENERATED"); write && *write == '1') {
        std::ofstream(std::string(K4400_SOURCE) + "/" + completion, std::ios::binary)
            << cli::BashCompletion();
        page.replace(from, to - from, cli::ManualSynopsis());
        std::ofstream(std::string(K4400_SOURCE) + "/" + manual, std::ios::binary) << page;
    }
    EXPECT_EQ(ReadSource(completion), cli::BashCompletion());
    page = ReadSource(manual);
    EXPECT_EQ(page.substr(page.find(".SH SYNOPSIS\n"),
                          page.find(".SH DESCRIPTION\n") - page.find(".SH SYNOPSIS\n")),
              cli::ManualSynopsis());
    // Every command and option of the table is in the help and the completion.
    for (const cli::CommandSpec& command : cli::Commands()) {
        EXPECT_NE(cli::HelpText("").find(std::string("  ") + command.name), std::string::npos);
        for (const cli::OptionSpec& option : command.options) {
            const std::string flag = std::string("--") + option.name;
            EXPECT_NE(cli::HelpText(command.name).find(flag), std::string::npos) << flag;
            EXPECT_NE(cli::BashCompletion().find(flag), std::string::npos) << flag;
        }
    }
}

}  // namespace
}  // namespace tests
