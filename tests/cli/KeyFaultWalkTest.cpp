// Every path that touches the key, with each of its file operations failing in turn with
// each cause the system can give, and (on Linux) the program stopped right at it, as when
// the key is pulled or the power fails. After each run the key must hold what the user was
// told: success only with the whole new task on the key; a failure told with its cause,
// leaving no new or partial task file the user was not told stays; after a stop only whole
// files and at most a temporary one, which the next start removes.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

#include "CliTest.h"
#include "KeyCauses.h"
#include "app/MyWizardApp.h"
#include "platform/KeyFaults.h"
#include "report/ResultReport.h"

namespace tests {
namespace {

namespace fs = std::filesystem;
using platform::KeyFault;
using platform::KeyOperation;
using Files = std::map<std::string, std::string>;

const std::string kEarlierTask = "satask mknascluster -clusterip 10.0.0.10 -consoleip 10.0.0.20";
const std::string kEarlierModules = "cfginit --ip=10.0.0.20 --netmask=255.0.0.0";
const std::string kV4 =
    "satask mkcluster -clusterip 192.168.1.50 -gw 192.168.1.1 -mask 255.255.255.0";
const std::string kV6 = "satask mkcluster -clusterip_6 fd00::50 -gw_6 fd00::1 -prefix_6 64";
const std::string kService =
    "satask chserviceip -serviceip 10.1.2.30 -gw 10.1.2.1 -mask 255.255.255.0";
const std::string kDefault = "satask chserviceip -default";
const std::string kReset = "satask resetpassword";
const std::string kUnified =
    "satask mknascluster -clusterip 192.168.1.10 -mask 255.255.255.0 "
    "-gw 192.168.1.1 -consoleip 192.168.1.20";
const std::string kModules =
    "cfginit --ip=192.168.1.20 --netmask=255.255.255.0 "
    "--gateway=192.168.1.1 --serviceip1=192.168.1.21 "
    "--serviceip2=192.168.1.22 --internalips=10.254.8.1  "
    "--veltaraip=192.168.1.10";

// What a path told the user: that it failed, and in which words.
struct Told {
    bool failed = false;
    std::wstring words;
};

enum class Touch { Writes, Removes, Reads };

struct Path {
    const char* name;
    Touch touch;
    Files done;  // Writes: what success leaves; Removes: the files success leaves gone
    std::function<Told()> run;
};

// The words a description of `cause` has whatever file it names.
std::wstring CauseWords(platform::FileErrorCause cause) {
    const std::wstring text = platform::DescribeFileError(cause, L"\x01");
    const std::size_t name = text.find(L'\x01');
    const std::wstring before = text.substr(0, name), after = text.substr(name + 1);
    return before.size() > after.size() ? before : after;
}

Files TaskFiles() {
    Files files;
    for (const char* name : {"satask.txt", "cfgtask.txt"}) {
        if (fs::is_regular_file(name)) {
            files[name] = TempKey::Read(name);
        }
    }
    return files;
}

int Temporaries() {
    return static_cast<int>(std::count_if(
        fs::directory_iterator("."), fs::directory_iterator(), [](const fs::directory_entry& e) {
            return taskfile::IsLeftoverTemporaryName(e.path().filename().string());
        }));
}

// A key as a path finds it: empty, or holding an earlier unified task.
void Prepare(bool earlier) {
    for (const auto& entry : fs::directory_iterator(".")) {
        fs::remove_all(entry.path());
    }
    if (earlier) {
        TempKey::Write("satask.txt", kEarlierTask);
        TempKey::Write("cfgtask.txt", kEarlierModules);
    }
}

// The test's hand on the key's operations: the `target`th fails with `error` (and every one
// after it when the key is gone), or with `stop` ends the program there.
struct Hand {
    int count = 0, target = 0, error = 0;
    bool sticky = false, stop = false, hit = false;
    bool garble = false;  // the key gives back other bytes than were written
    void Arm() {
        count = 0;
        hit = false;
        platform::SetKeyFaultHook([this](KeyOperation operation) {
            const bool now = ++count == target || (sticky && hit);
            hit = hit || now;
            if (now && stop) {
                std::_Exit(0);  // nothing after this operation happens
            }
            return KeyFault{now ? error : 0, garble && operation == KeyOperation::ReadBack};
        });
    }
};

class KeyFaultWalk : public CliLogic {
  protected:
    Told Messages() {
        Told told;
        for (const auto& message : fake.messages) {
            told = {true, told.words + message.text + L"\n"};
        }
        fake.messages.clear();
        return told;
    }
    static Told Command(const std::vector<std::string>& args) {
        const CliRun run = RunCli(args);
        return Told{run.code != 0, platform::FromUtf8(run.err)};
    }
    using Fill = std::function<void(CMyPropertySheet&)>;
    // The wizard from `page` with `fill` done, then Next: told by its messages. With
    // `cancel`, Next is pressed before the faults, and Cancel on the done page with them.
    Told Page(int page, const Fill& fill, bool cancel = false) {
        if (cancel) {
            platform::SetKeyFaultHook(nullptr);
        }
        auto sheet = Open(page);
        fill(*sheet);
        fake.messages.clear();
        if (cancel) {
            Next(*sheet);
            fake.messages.clear();
            hand.Arm();
            Cancel(*sheet);
            driver->Settle(*sheet);
        } else {
            hand.Arm();
            Next(*sheet);
        }
        return Messages();
    }
    Told Armed(const std::function<Told()>& run) {
        hand.Arm();
        return run();
    }

    std::vector<Path> Paths() {
        auto fill = [this](int page) -> Fill {
            return [this, page](CMyPropertySheet& s) { FillValid(s, page); };
        };
        const Fill v6 = [this](CMyPropertySheet& s) {
            driver->Click(s.m_pageConfigIP, P1::IDC_IPV6);
            driver->Type(s.m_pageConfigIP, P1::IDC_V6_ADDRESS, L"fd00::50");
            driver->Type(s.m_pageConfigIP, P1::IDC_PREFIX, L"64");
            driver->Type(s.m_pageConfigIP, P1::IDC_V6_GATEWAY, L"fd00::1");
        };
        const Fill service = [this](CMyPropertySheet& s) {
            TypeRow(s.m_pageResetIP, BoxesOf(kPageResetIP).address, {L"10", L"1", L"2", L"30"});
        };
        const Fill reset = [this](CMyPropertySheet& s) {
            driver->Click(s.m_pageMain, CMyPropertyPageMain::IDC_RESET_PASSWORD);
        };
        const Files storage = {{"satask.txt", ""}},
                    both = {{"satask.txt", ""}, {"cfgtask.txt", ""}};
        const Files pair = {{"satask.txt", kUnified}, {"cfgtask.txt", kModules}};
        auto page = [this](int index, Fill f, bool cancel = false) {
            return [this, index, f, cancel] { return Page(index, f, cancel); };
        };
        auto command = [this](std::vector<std::string> args) {
            return [this, args] { return Armed([&] { return Command(args); }); };
        };
        return {
            {"page: new system, IPv4",
             Touch::Writes,
             {{"satask.txt", kV4}},
             page(kPageConfigIP, fill(kPageConfigIP))},
            {"page: new system, IPv6",
             Touch::Writes,
             {{"satask.txt", kV6}},
             page(kPageConfigIP, v6)},
            {"page: service IP",
             Touch::Writes,
             {{"satask.txt", kService}},
             page(kPageResetIP, service)},
            {"page: service IP default",
             Touch::Writes,
             {{"satask.txt", kDefault}},
             page(kPageResetIP, fill(kPageResetIP))},
            {"page: password reset",
             Touch::Writes,
             {{"satask.txt", kReset}},
             page(kPageMain, reset)},
            {"page: unified pair", Touch::Writes, pair, page(kPageNeskP2, fill(kPageNeskP2))},
            {"command line: new system, IPv4",
             Touch::Writes,
             {{"satask.txt", kV4}},
             command({"new-system", "--address", "192.168.1.50", "--mask", "255.255.255.0",
                      "--gateway", "192.168.1.1"})},
            {"command line: new system, IPv6",
             Touch::Writes,
             {{"satask.txt", kV6}},
             command({"new-system", "--address", "fd00::50", "--prefix", "64", "--gateway",
                      "fd00::1"})},
            {"command line: service IP default",
             Touch::Writes,
             {{"satask.txt", kDefault}},
             command({"service-ip", "--default"})},
            {"command line: password reset",
             Touch::Writes,
             {{"satask.txt", kReset}},
             command({"reset-password"})},
            {"command line: unified pair", Touch::Writes, pair,
             command({"unified", "--address", "192.168.1.10", "--mask", "255.255.255.0",
                      "--gateway", "192.168.1.1", "--management", "192.168.1.20", "--file-module1",
                      "192.168.1.21", "--file-module2", "192.168.1.22", "--internal-range",
                      "10.254.8.1"})},
            {"Cancel on the new system's done page", Touch::Removes, storage,
             page(kPageConfigIP, fill(kPageConfigIP), true)},
            {"Cancel on the password reset page", Touch::Removes, storage,
             page(kPageMain, reset, true)},
            {"Cancel on the service IP's done page", Touch::Removes, storage,
             page(kPageResetIP, fill(kPageResetIP), true)},
            {"Cancel on the unified done page", Touch::Removes, both,
             page(kPageNeskP2, fill(kPageNeskP2), true)},
            {"command line: clear", Touch::Removes, both, command({"clear"})},
            {"start-up: the stale task removed", Touch::Removes, storage,
             [this] {
                 return Armed([this] {
                     app::CMyWizardApp application;
                     return Messages();
                 });
             }},
            {"results read",
             Touch::Reads,
             {},
             [this] {
                 TempKey::CopyFixture(fs::path(K4400_FIXTURES) / "unified-ok");
                 return Armed([] {
                     const report::ResultReport found = report::ReadReport();
                     return Told{!found.messages.empty(), {}};
                 });
             }},
        };
    }
    // How many of the key's operations the path makes when none fails.
    int Operations(const Path& path, bool earlier) {
        Prepare(earlier);
        hand.target = 0;
        path.run();
        platform::SetKeyFaultHook(nullptr);
        return hand.count;
    }

    Hand hand;
};

TEST_F(KeyFaultWalk, EveryOperationFailsInTurnWithEveryCause) {
    int runs = 0;
    for (const Path& path : Paths()) {
        for (const bool earlier : {false, true}) {
            const int operations = Operations(path, earlier);
            EXPECT_GT(operations, 0) << path.name;
            for (hand.target = 1; hand.target <= operations; ++hand.target) {
                for (const KeyCause& cause : KeyCauses()) {
                    SCOPED_TRACE(std::string(path.name) + (earlier ? ", earlier task" : "") +
                                 ", operation " + std::to_string(hand.target) + ": " + cause.name);
                    Prepare(earlier);
                    const Files before = TaskFiles();
                    hand.error = cause.error;
                    hand.sticky = cause.sticky;
                    const Told told = path.run();
                    platform::SetKeyFaultHook(nullptr);
                    ++runs;
                    const Files after = TaskFiles();
                    // A temporary file stays only where the key itself is gone (the next
                    // start removes it); it is never a command.
                    EXPECT_LE(Temporaries(), cause.sticky ? 1 : 0);
                    if (path.touch == Touch::Reads) {
                        EXPECT_EQ(after, before);  // a read changes nothing
                        EXPECT_TRUE(told.failed) << "a read error went untold";
                        continue;
                    }
                    if (told.failed) {
                        EXPECT_NE(told.words.find(CauseWords(cause.described)), std::wstring::npos)
                            << platform::ToUtf8(told.words);
                    }
                    for (const auto& [name, content] : after) {
                        const bool earlierFile = before.count(name) && before.at(name) == content;
                        // Told it stays: on the start-up as a stale task, else as one kept.
                        bool toldStays = false;
                        for (int id : {IDS_FW_TASK_KEPT, IDS_FW_STALE_TASK_KEPT}) {
                            const std::wstring stays =
                                platform::LoadFormatted(id, {platform::FromUtf8(name)});
                            toldStays = toldStays || told.words.find(stays) != std::wstring::npos;
                        }
                        const bool done = path.touch == Touch::Writes && !told.failed &&
                                          path.done.count(name) && path.done.at(name) == content;
                        const bool mayStay =
                            path.touch == Touch::Writes ? earlierFile : !path.done.count(name);
                        EXPECT_TRUE(done || mayStay || toldStays) << name << " holds " << content;
                    }
                    if (!told.failed && path.touch == Touch::Writes) {
                        for (const auto& [name, line] : path.done) {
                            EXPECT_EQ(after.count(name) ? after.at(name) : "(none)", line);
                        }
                    }
                }
            }
        }
    }
    std::printf("key fault walk: %d runs, each with a failure injected\n", runs);
    EXPECT_GT(runs, 500);
}

// A key that gives back other bytes than were written: the task goes, and the user hears
// that another key is needed.
TEST_F(KeyFaultWalk, AKeyThatDoesNotKeepWhatIsWrittenIsToldAndLeftEmpty) {
    hand.garble = true;
    const Told command = Armed([] { return Command({"reset-password"}); });
    const Told page = Page(kPageNeskP2, [this](CMyPropertySheet& s) { FillValid(s, kPageNeskP2); });
    platform::SetKeyFaultHook(nullptr);
    const std::wstring words = platform::LoadText(IDS_FW_KEY_LOSES_WRITES);
    EXPECT_NE(command.words.find(words), std::wstring::npos) << platform::ToUtf8(command.words);
    EXPECT_NE(page.words.find(words), std::wstring::npos) << platform::ToUtf8(page.words);
    EXPECT_EQ(TaskFiles(), Files{});
    EXPECT_EQ(Temporaries(), 0);
}

#ifndef _WIN32
// The program stopped right at each operation: afterwards every task file is whole (an
// earlier task's or one a path writes) and at most a temporary file is left, which the next
// start removes.
TEST_F(KeyFaultWalk, AStopAtAnyOperationLeavesOnlyWholeFiles) {
    GTEST_FLAG_SET(death_test_style, "fast");
    const std::vector<std::string> whole = {
        kEarlierTask, kEarlierModules, kV4, kV6, kService, kDefault, kReset, kUnified, kModules};
    int stops = 0;
    hand.stop = true;
    for (const Path& path : Paths()) {
        for (const bool earlier : {false, true}) {
            const int operations = path.touch == Touch::Reads ? 0 : Operations(path, earlier);
            for (hand.target = 1; hand.target <= operations; ++hand.target, ++stops) {
                SCOPED_TRACE(std::string(path.name) + (earlier ? ", earlier task" : "") +
                             ", stopped at operation " + std::to_string(hand.target));
                Prepare(earlier);
                EXPECT_EXIT(path.run(), ::testing::ExitedWithCode(0), "");
                for (const auto& [name, content] : TaskFiles()) {
                    EXPECT_NE(std::find(whole.begin(), whole.end(), content), whole.end())
                        << name << " holds a part: " << content;
                }
                EXPECT_LE(Temporaries(), 1);
                taskfile::RemoveLeftoverTemporaries();  // the next start
                EXPECT_EQ(Temporaries(), 0);
            }
        }
    }
    std::printf("key fault walk: %d stops\n", stops);
    EXPECT_GT(stops, 100);
}
#endif

}  // namespace
}  // namespace tests
