// Every path that touches the key, with each of its file operations failing in turn with
// each cause the system can give, and (on Linux) the program stopped right at it, as when
// the key is pulled or the power fails. After each run the key must hold what the user was
// told: after a told failure no partial file and no new task file; success only with the
// whole new task on the key; every failure told with its cause; after a stop at most a
// temporary file, which the next start removes.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>

#include "CliTest.h"
#include "KeyCauses.h"
#include "app/MyWizardApp.h"
#include "platform/FileError.h"
#include "platform/KeyFaults.h"
#include "report/ResultReport.h"

namespace tests {
namespace {

namespace fs = std::filesystem;
using platform::KeyFault;
using platform::KeyOperation;
using Files = std::map<std::string, std::string>;

const std::string kEarlierTask =
    "satask mknascluster -clusterip 10.0.0.10 -mask 255.0.0.0 -gw 10.0.0.1 -consoleip 10.0.0.20";
const std::string kEarlierModules = "cfginit --ip=10.0.0.20 --netmask=255.0.0.0";

// What a path told the user: that it was done, or that it failed (with the words).
struct Told {
    bool failed = false;
    std::wstring words;
};

enum class Touch { Writes, Removes, Reads };

struct Path {
    const char* name;
    Touch touch;
    // Writes: what success leaves under the task files' names; Removes: the files that
    // success leaves gone (the value unused).
    Files done;
    std::function<Told()> run;
};

// The words a description of `cause` has whatever file it names.
std::wstring CauseWords(platform::FileErrorCause cause) {
    const std::wstring text = platform::DescribeFileError(cause, L"\x01");
    const std::size_t name = text.find(L'\x01');
    const std::wstring before = text.substr(0, name), after = text.substr(name + 1);
    return before.size() > after.size() ? before : after;
}

class KeyFaultWalk : public CliLogic {
  protected:
    // The task files and temporaries on the key.
    static Files TaskFiles() {
        Files files;
        for (const char* name : {"satask.txt", "cfgtask.txt"}) {
            if (fs::is_regular_file(name)) {
                files[name] = TempKey::Read(name);
            }
        }
        return files;
    }
    static int Temporaries() {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(".")) {
            count += taskfile::IsLeftoverTemporaryName(entry.path().filename().string());
        }
        return count;
    }
    // A key as a path finds it: empty, or holding an earlier unified task.
    static void Prepare(bool earlier) {
        for (const auto& entry : fs::directory_iterator(".")) {
            fs::remove_all(entry.path());
        }
        if (earlier) {
            TempKey::Write("satask.txt", kEarlierTask);
            TempKey::Write("cfgtask.txt", kEarlierModules);
        }
    }

    Told Messages() {
        Told told;
        for (const auto& message : fake.messages) {
            told.failed = true;
            told.words += message.text + L"\n";
        }
        fake.messages.clear();
        return told;
    }
    static Told Command(const std::vector<std::string>& args) {
        const CliRun run = RunCli(args);
        return Told{run.code != 0, platform::FromUtf8(run.err)};
    }
    // The wizard from `page` with `fill` done, then Next; told by its messages.
    Told Page(int page, const std::function<void(CMyPropertySheet&)>& fill) {
        auto sheet = Open(page);
        fill(*sheet);
        fake.messages.clear();
        Next(*sheet);
        return Messages();
    }
    // A done page reached without faults, then Cancel with them.
    std::function<Told()> CancelOn(int page, const std::function<void(CMyPropertySheet&)>& fill,
                                   const std::function<void()>& arm) {
        return [=, this] {
            platform::SetKeyFaultHook(nullptr);
            auto sheet = Open(page);
            fill(*sheet);
            Next(*sheet);
            fake.messages.clear();
            arm();
            sheet->Cancel();
            driver->Settle(*sheet);
            return Messages();
        };
    }

    std::vector<Path> Paths(const std::function<void()>& arm) {
        const std::string v4 =
            "satask mkcluster -clusterip 192.168.1.50 -gw 192.168.1.1 -mask 255.255.255.0";
        const std::string v6 = "satask mkcluster -clusterip_6 fd00::50 -gw_6 fd00::1 -prefix_6 64";
        const std::string service =
            "satask chserviceip -serviceip 10.1.2.30 -gw 10.1.2.1 -mask 255.255.255.0";
        const std::string byDefault = "satask chserviceip -default";
        const std::string reset = "satask resetpassword";
        const std::string unified =
            "satask mknascluster -clusterip 192.168.1.10 -mask 255.255.255.0 -gw 192.168.1.1 "
            "-consoleip 192.168.1.20";
        const std::string modules =
            "cfginit --ip=192.168.1.20 --netmask=255.255.255.0 --gateway=192.168.1.1 "
            "--serviceip1=192.168.1.21 --serviceip2=192.168.1.22 --internalips=10.254.8.1  "
            "--veltaraip=192.168.1.10";
        auto octets = [this](framework::CPropertyPageEx& page, const std::array<int, 4>& row,
                             std::array<const wchar_t*, 4> text) { TypeRow(page, row, text); };
        auto fillV4 = [=, this](CMyPropertySheet& s) {
            octets(s.m_pageConfigIP, BoxesOf(kPageConfigIP).address, {L"192", L"168", L"1", L"50"});
        };
        auto fillV6 = [this](CMyPropertySheet& s) {
            driver->Click(s.m_pageConfigIP, P1::IDC_IPV6);
            driver->Type(s.m_pageConfigIP, P1::IDC_V6_ADDRESS, L"fd00::50");
            driver->Type(s.m_pageConfigIP, P1::IDC_PREFIX, L"64");
            driver->Type(s.m_pageConfigIP, P1::IDC_V6_GATEWAY, L"fd00::1");
        };
        auto fillService = [=, this](CMyPropertySheet& s) {
            octets(s.m_pageResetIP, BoxesOf(kPageResetIP).address, {L"10", L"1", L"2", L"30"});
        };
        auto fillDefault = [this](CMyPropertySheet& s) {
            driver->Click(s.m_pageResetIP, P4::IDC_RESET_DEFAULT);
        };
        auto chooseReset = [this](CMyPropertySheet& s) {
            driver->Click(s.m_pageMain, CMyPropertyPageMain::IDC_RESET_PASSWORD);
        };
        auto fillUnified = [this](CMyPropertySheet& s) {
            StoreFirstUnifiedPage();
            driver->TypeAddress(s.m_pageNeskP2, U2::IDC_MANAGEMENT, Ip(192, 168, 1, 20));
            driver->TypeAddress(s.m_pageNeskP2, U2::IDC_MODULE1, Ip(192, 168, 1, 21));
            driver->TypeAddress(s.m_pageNeskP2, U2::IDC_MODULE2, Ip(192, 168, 1, 22));
            driver->Select(s.m_pageNeskP2, U2::IDC_RANGE, 0);
        };
        const std::vector<std::string> v4Args = {"new-system", "--address",     "192.168.1.50",
                                                 "--mask",     "255.255.255.0", "--gateway",
                                                 "192.168.1.1"};
        const Files storage = {{"satask.txt", ""}};
        const Files both = {{"satask.txt", ""}, {"cfgtask.txt", ""}};
        return {
            {"page: new system, IPv4",
             Touch::Writes,
             {{"satask.txt", v4}},
             [=, this] {
                 arm();
                 return Page(kPageConfigIP, fillV4);
             }},
            {"page: new system, IPv6",
             Touch::Writes,
             {{"satask.txt", v6}},
             [=, this] {
                 arm();
                 return Page(kPageConfigIP, fillV6);
             }},
            {"page: service IP",
             Touch::Writes,
             {{"satask.txt", service}},
             [=, this] {
                 arm();
                 return Page(kPageResetIP, fillService);
             }},
            {"page: service IP default",
             Touch::Writes,
             {{"satask.txt", byDefault}},
             [=, this] {
                 arm();
                 return Page(kPageResetIP, fillDefault);
             }},
            {"page: password reset",
             Touch::Writes,
             {{"satask.txt", reset}},
             [=, this] {
                 arm();
                 return Page(kPageMain, chooseReset);
             }},
            {"page: unified pair",
             Touch::Writes,
             {{"satask.txt", unified}, {"cfgtask.txt", modules}},
             [=, this] {
                 arm();
                 return Page(kPageNeskP2, fillUnified);
             }},
            {"command line: new system, IPv4",
             Touch::Writes,
             {{"satask.txt", v4}},
             [=, this] {
                 arm();
                 return Command(v4Args);
             }},
            {"command line: new system, IPv6",
             Touch::Writes,
             {{"satask.txt", v6}},
             [=, this] {
                 arm();
                 return Command({"new-system", "--address", "fd00::50", "--prefix", "64",
                                 "--gateway", "fd00::1"});
             }},
            {"command line: service IP default",
             Touch::Writes,
             {{"satask.txt", byDefault}},
             [=, this] {
                 arm();
                 return Command({"service-ip", "--default"});
             }},
            {"command line: password reset",
             Touch::Writes,
             {{"satask.txt", reset}},
             [=, this] {
                 arm();
                 return Command({"reset-password"});
             }},
            {"command line: unified pair",
             Touch::Writes,
             {{"satask.txt", unified}, {"cfgtask.txt", modules}},
             [=, this] {
                 arm();
                 return Command({"unified", "--address", "192.168.1.10", "--mask", "255.255.255.0",
                                 "--gateway", "192.168.1.1", "--management", "192.168.1.20",
                                 "--file-module1", "192.168.1.21", "--file-module2", "192.168.1.22",
                                 "--internal-range", "10.254.8.1"});
             }},
            {"Cancel on the new system's done page", Touch::Removes, storage,
             CancelOn(kPageConfigIP, fillV4, arm)},
            {"Cancel on the password reset page", Touch::Removes, storage,
             CancelOn(kPageMain, chooseReset, arm)},
            {"Cancel on the service IP's done page", Touch::Removes, storage,
             CancelOn(kPageResetIP, fillDefault, arm)},
            {"Cancel on the unified done page", Touch::Removes, both,
             CancelOn(kPageNeskP2, fillUnified, arm)},
            {"command line: clear", Touch::Removes, both,
             [=, this] {
                 arm();
                 return Command({"clear"});
             }},
            {"start-up: the stale task removed", Touch::Removes, storage,
             [=, this] {
                 arm();
                 app::CMyWizardApp application;
                 return Messages();
             }},
            {"results read",
             Touch::Reads,
             {},
             [=, this] {
                 TempKey::CopyFixture(fs::path(K4400_FIXTURES) / "unified-ok");
                 arm();
                 const report::ResultReport found = report::ReadReport();
                 return Told{!found.messages.empty(),
                             found.messages.empty() ? L"" : found.messages[0]};
             }},
        };
    }
};

TEST_F(KeyFaultWalk, EveryOperationFailsInTurnWithEveryCause) {
    int injected = 0, runs = 0;
    int count = 0, target = 0, error = 0;
    bool hit = false, sticky = false;
    auto arm = [&] {
        count = 0;
        hit = false;
        platform::SetKeyFaultHook([&](KeyOperation) {
            const bool now = ++count == target || (sticky && hit);
            hit = hit || now;
            return KeyFault{now ? error : 0};
        });
    };
    for (const Path& path : Paths(arm)) {
        for (const bool earlier : {false, true}) {
            // How many operations the path makes when nothing fails.
            Prepare(earlier);
            target = 0;
            path.run();
            platform::SetKeyFaultHook(nullptr);
            const int operations = count;
            EXPECT_GT(operations, 0) << path.name;
            for (target = 1; target <= operations; ++target) {
                for (const KeyCause& cause : KeyCauses()) {
                    SCOPED_TRACE(std::string(path.name) + (earlier ? ", earlier task" : "") +
                                 ", operation " + std::to_string(target) + ": " + cause.name);
                    Prepare(earlier);
                    const Files before = TaskFiles();
                    error = cause.error;
                    sticky = cause.sticky;
                    const Told told = path.run();
                    platform::SetKeyFaultHook(nullptr);
                    ++runs;
                    injected += hit;
                    const Files after = TaskFiles();
                    // A temporary file stays only where the key itself is gone (the next start
                    // removes it); it is never a command.
                    EXPECT_LE(Temporaries(), cause.sticky ? 1 : 0);
                    if (path.touch == Touch::Reads) {
                        EXPECT_EQ(after, before);  // a read changes nothing
                        EXPECT_TRUE(!hit || told.failed) << "a read error went untold";
                        continue;
                    }
                    if (!told.failed) {
                        // Told it is done: the key holds the whole new state.
                        for (const auto& [name, line] : path.done) {
                            if (path.touch == Touch::Writes) {
                                EXPECT_EQ(after.count(name) ? after.at(name) : "(none)", line);
                            } else {
                                EXPECT_EQ(after.count(name), 0u) << name << " stayed, untold";
                            }
                        }
                        continue;
                    }
                    // Told it failed: with the cause, in the user's words; and nothing new,
                    // nor half of a new pair, left on the key.
                    EXPECT_TRUE(hit) << "a failure told without one";
                    EXPECT_NE(told.words.find(CauseWords(cause.described)), std::wstring::npos)
                        << platform::ToUtf8(told.words);
                    for (const auto& [name, content] : after) {
                        const bool earlier = before.count(name) && before.at(name) == content;
                        // A task file that stays is one the user was told stays.
                        const bool toldStays = told.words.find(platform::LoadFormatted(
                                                   IDS_FW_TASK_KEPT, {platform::FromUtf8(name)})) !=
                                               std::wstring::npos;
                        if (path.touch == Touch::Writes) {
                            EXPECT_TRUE(earlier || toldStays) << name << " holds " << content;
                        } else if (path.done.count(name) && !earlier) {
                            EXPECT_TRUE(toldStays) << name << " stays, untold";
                        }
                    }
                }
            }
        }
    }
    std::printf("key fault walk: %d runs, %d failures injected\n", runs, injected);
    EXPECT_GT(injected, 500);
}

// A key that gives back other bytes than were written: the task goes, and the user hears
// that another key is needed.
TEST_F(KeyFaultWalk, AKeyThatDoesNotKeepWhatIsWrittenIsToldAndLeftEmpty) {
    platform::SetKeyFaultHook([](KeyOperation operation) {
        return KeyFault{0, operation == KeyOperation::ReadBack};
    });
    const Told command = Command({"reset-password"});
    const Told page = Page(kPageNeskP2, [this](CMyPropertySheet& s) { FillValid(s, kPageNeskP2); });
    platform::SetKeyFaultHook(nullptr);
    const std::wstring words = platform::LoadText(IDS_FW_KEY_LOSES_WRITES);
    EXPECT_NE(command.words.find(words), std::wstring::npos) << platform::ToUtf8(command.words);
    EXPECT_NE(page.words.find(words), std::wstring::npos) << platform::ToUtf8(page.words);
    EXPECT_EQ(TaskFiles(), Files{});
    EXPECT_EQ(Temporaries(), 0);
}

#ifndef _WIN32
// The program stopped right at each operation, as a pulled key or a power cut stops it:
// afterwards each task file is whole (the earlier one, or the new one) and at most a
// temporary file is left, which the next start removes.
TEST_F(KeyFaultWalk, AStopAtAnyOperationLeavesAtMostATemporaryFile) {
    GTEST_FLAG_SET(death_test_style, "fast");
    int count = 0, target = 0, stops = 0;
    auto arm = [&] {
        count = 0;
        platform::SetKeyFaultHook([&](KeyOperation) {
            if (++count == target) {
                std::_Exit(0);  // nothing after this operation happens
            }
            return KeyFault{};
        });
    };
    // Every whole command a file can hold: an earlier task's, or one a path writes.
    std::vector<std::string> whole = {kEarlierTask, kEarlierModules};
    for (const Path& path : Paths(arm)) {
        for (const auto& [name, line] : path.done) {
            whole.push_back(line);
        }
    }
    for (const Path& path : Paths(arm)) {
        if (path.touch == Touch::Reads) {
            continue;
        }
        for (const bool earlier : {false, true}) {
            Prepare(earlier);
            target = 0;
            path.run();
            platform::SetKeyFaultHook(nullptr);
            const int operations = count;
            for (target = 1; target <= operations; ++target) {
                SCOPED_TRACE(std::string(path.name) + (earlier ? ", earlier task" : "") +
                             ", stopped at operation " + std::to_string(target));
                Prepare(earlier);
                EXPECT_EXIT(path.run(), ::testing::ExitedWithCode(0), "");
                ++stops;
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
