// The whole trip, on every backend: the wizard writes a task onto the key, the stand-in
// system executes it (its run, in this process), and a fresh start of the program on the key
// shows the matching dialog, whose buttons open the wizard on the right page or the page
// the system reported.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "PageTest.h"
#include "Sim.h"
#include "app/MyWizardApp.h"

namespace tests {
namespace {

using Drive = std::function<void(PageDriver&, CMyPropertySheet&)>;

// One run of the wizard from `start`, what the user does there, then what the stand-in is
// told (its options) when it executes the key.
struct Step {
    int start;
    Drive drive;
    std::vector<std::string> system;
};

// A fresh start: the dialog it shows, the button pressed there, and what follows.
struct Restart {
    int dialog;
    int button;
    int page;                             // where the wizard opens; -1: the program ended
    std::map<int, std::wstring> texts{};  // what the dialog shows, by control
    std::wstring launched{};              // what the browser was handed
    std::string writtenOnOpening{};       // satask.txt once the wizard opened on `page`
};

struct Trip {
    const char* name;
    std::vector<Step> steps;
    std::vector<Restart> restarts;
    std::string taskLine{};  // satask.txt after the first step, when it matters
};

Drive Choose(int option, Drive then = nullptr) {
    return [option, then](PageDriver& driver, CMyPropertySheet& sheet) {
        driver.Click(sheet.m_pageMain, option);
        driver.Press(sheet, SheetButton::Next);
        if (then) {
            then(driver, sheet);
        }
    };
}

Drive NewSystemV4(const std::array<const wchar_t*, 4>& address) {
    return Choose(CMyPropertyPageMain::IDC_NEW_SYSTEM,
                  [address](PageDriver& d, CMyPropertySheet& s) {
                      for (int i = 0; i < 4; ++i) {
                          d.Type(s.m_pageConfigIP, BoxesOf(kPageConfigIP).address[i], address[i]);
                      }
                  });
}

// The IPv6 boxes of an address page, after its IPv6 radio button.
Drive V6(int page, const wchar_t* address, const wchar_t* prefix, const wchar_t* gateway) {
    return [=](PageDriver& d, CMyPropertySheet& s) {
        const AddressBoxes boxes = BoxesOf(page);
        framework::CPropertyPageEx& p = *s.GetPage(page);
        d.Click(p, boxes.ipv6);
        d.Type(p, boxes.v6Address, address);
        d.Type(p, boxes.prefix, prefix);
        d.Type(p, boxes.v6Gateway, gateway);
    };
}

Drive ServiceIp(Drive fill) {
    return Choose(CMyPropertyPageMain::IDC_SERVICE_IP, fill);
}

// The dialogs' sentences that end in the address, as the string table installed words them.
std::wstring ServiceSet(const wchar_t* address) {
    return platform::LoadFormatted(IDS_SERVICE_IP_SET, {platform::LoadText(IDS_PRODUCT_NAME)}) +
           address;
}
std::wstring Configured(const wchar_t* address) {
    return platform::LoadFormatted(IDS_CONFIGURED_WITH_IP, {platform::LoadText(IDS_PRODUCT_NAME)}) +
           address;
}

class Trips : public PageLogic {
  protected:
    // The wizard from `start`, the user's task, then Next and Finish on its done page.
    void RunWizard(const Step& step) {
        auto sheet = Open(step.start);
        if (step.drive) {
            step.drive(*driver, *sheet);
        }
        Next(*sheet);
        ASSERT_TRUE(sheet->Buttons() & framework::PSWIZB_FINISH) << "no done page reached";
        Finish(*sheet);
        driver->Settle(*sheet);
    }

    // The stand-in executes the key with these options; its exit code.
    static int Simulate(const std::vector<std::string>& options) {
        std::vector<std::string> args{"k4400-sim"};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(".");
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        sim::Options parsed;
        if (const auto code =
                sim::ParseCommandLine(static_cast<int>(argv.size()), argv.data(), parsed)) {
            return *code;
        }
        return sim::Run(parsed);
    }

    // A fresh start of the program on the key: the dialog's texts, then `button`.
    int StartAgain(const Restart& restart, std::map<int, std::wstring>& texts, int& dialog) {
        app::CMyWizardApp application;
        EXPECT_FALSE(TempKey::Exists("satask.txt"));
        int page = -1;
        driver->WhileModal(
            [&](framework::CDialog& shown) {
                dialog = shown.GetTemplateId();
                for (const auto& [id, text] : restart.texts) {
                    texts[id] = shown.Ctl().Text(id);
                }
                driver->Click(shown, restart.button);
            },
            [&] { page = application.ChooseStartPage(); });
        return page;
    }
};

TEST_F(Trips, EachTaskThereAndBackAgain) {
    const int ended = -1;
    const Trip trips[] = {
        {"new system, IPv4, back to the main menu",
         {{kPageMain, NewSystemV4({L"192", L"168", L"1", L"50"}), {}}},
         {{102, 1, kPageMain, {{1074, Configured(L"192.168.1.50")}}}},
         "satask mkcluster -clusterip 192.168.1.50 -gw 192.168.1.1 -mask 255.255.255.0"},
        {"new system, IPv4, the GUI launched",
         {{kPageMain, NewSystemV4({L"192", L"168", L"1", L"50"}), {}}},
         {{102, 1002, ended, {}, L"https://192.168.1.50"}}},
        {"new system, IPv6, the system refuses it: try again from the main menu",
         {{kPageMain,
           Choose(CMyPropertyPageMain::IDC_NEW_SYSTEM,
                  V6(kPageConfigIP, L"fd00::50", L"64", L"fd00::1")),
           {"--fail=3:CMMVC6010E The address is already in use"}}},
         {{133, 2, kPageMain, {{1077, L"cmmvc6010e the address is already in use"}}}},
         "satask mkcluster -clusterip_6 fd00::50 -gw_6 fd00::1 -prefix_6 64"},
        {"new system, IPv6, results in upper case with CR LF",
         {{kPageMain,
           Choose(CMyPropertyPageMain::IDC_NEW_SYSTEM,
                  V6(kPageConfigIP, L"FD00::50", L"64", L"fd00::1")),
           {"--crlf", "--upper"}}},
         {{102, 1, kPageMain, {{1074, Configured(L"[fd00::50]")}}}}},
        {"password reset after the initialisation: the service assistant",
         {{kPageMain, NewSystemV4({L"10", L"0", L"0", L"5"}), {}},
          {kPageMain, Choose(CMyPropertyPageMain::IDC_RESET_PASSWORD), {}}},
         {{134, 1090, ended, {}, L"http://10.0.0.5/service"}, {134, 2, kPageMain}}},
        {"password reset refused: try again on its page, which writes the task at once",
         {{kPageMain,
           Choose(CMyPropertyPageMain::IDC_RESET_PASSWORD),
           {"--fail=1:CMMVC8000E The reset is not allowed"}}},
         {{135, 1, kPageResetPasswordDone, {}, L"", "satask resetpassword"}}},
        {"service IP, IPv4",
         {{kPageMain,
           ServiceIp([](PageDriver& d, CMyPropertySheet& s) {
               const std::array<const wchar_t*, 4> octets{L"10", L"1", L"2", L"30"};
               for (int i = 0; i < 4; ++i) {
                   d.Type(s.m_pageResetIP, BoxesOf(kPageResetIP).address[i], octets[i]);
               }
           }),
           {}}},
         {{136, 2, kPageMain, {{1081, ServiceSet(L"10.1.2.30")}}}}},
        {"service IP, IPv6",
         {{kPageMain, ServiceIp(V6(kPageResetIP, L"fd00::7", L"64", L"fd00::1")), {}}},
         {{136, 2, kPageMain, {{1081, ServiceSet(L"[fd00::7]")}}}}},
        {"service IP back to its default",
         {{kPageMain,
           ServiceIp([](PageDriver& d, CMyPropertySheet& s) {
               d.Click(s.m_pageResetIP, P4::IDC_RESET_DEFAULT);
           }),
           {}}},
         {{136, 2, kPageMain, {{1081, ServiceSet(L"192.168.70.121")}}}}},
        {"service IP refused: try again on its page",
         {{kPageMain,
           ServiceIp([](PageDriver& d, CMyPropertySheet& s) {
               d.Click(s.m_pageResetIP, P4::IDC_RESET_DEFAULT);
           }),
           {"--fail=4"}}},
         {{137, 1, kPageResetIP}}},
        {"no storage results: a first run again",
         {{kPageMain, Choose(CMyPropertyPageMain::IDC_RESET_PASSWORD), {"--omit=storage"}}},
         {}},
    };
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const Trip& trip : trips) {
        SCOPED_TRACE(trip.name);
        TempKey key;
        for (std::size_t i = 0; i < trip.steps.size(); ++i) {
            RunWizard(trip.steps[i]);
            if (i == 0 && !trip.taskLine.empty()) {
                EXPECT_EQ(TempKey::Read("satask.txt"), trip.taskLine);
            }
            ASSERT_EQ(Simulate(trip.steps[i].system), 0);
        }
        fake.messages.clear();
        if (trip.restarts.empty()) {
            app::CMyWizardApp application;
            EXPECT_EQ(application.ChooseStartPage(), kPageMain);
            EXPECT_TRUE(fake.messages.empty());
        }
        for (const Restart& restart : trip.restarts) {
            std::map<int, std::wstring> texts;
            int dialog = 0;
            if (!restart.launched.empty()) {
                // The launch ends the program (in a child, as a launch does).
                EXPECT_EXIT(StartAgain(restart, texts, dialog), ::testing::ExitedWithCode(0),
                            "open-url <" + Narrow(restart.launched) + ">\nend-program 0");
                continue;
            }
            const int page = StartAgain(restart, texts, dialog);
            EXPECT_EQ(dialog, restart.dialog);
            EXPECT_EQ(page, restart.page);
            EXPECT_EQ(texts, restart.texts);
            if (!restart.writtenOnOpening.empty()) {
                auto sheet = Open(page);
                EXPECT_EQ(TempKey::Read("satask.txt"), restart.writtenOnOpening);
            }
        }
    }
}

// The unified system: the file modules failed; Try Again opens the first unified page, and
// the addresses typed there go round the same trip.
TEST_F(Trips, TheUnifiedSystemAfterAFileModuleFailure) {
    TempKey::Write("satask.txt",
                   "satask mknascluster -clusterip 192.168.1.10 -mask 255.255.255.0 "
                   "-gw 192.168.1.1 -consoleip 192.168.1.20");
    TempKey::Write("cfgtask.txt",
                   "cfginit --ip=192.168.1.20 --netmask=255.255.255.0 --gateway=192.168.1.1 "
                   "--serviceip1=192.168.1.21 --serviceip2=192.168.1.22 "
                   "--internalips=172.31.8.1  --veltaraip=192.168.1.10");
    ASSERT_EQ(Simulate({"--fail-file-modules=Module 2 unreachable"}), 0);
    std::map<int, std::wstring> texts{};
    int dialog = 0;
    const int start = StartAgain({156, 1, kPageNeskP1, {{1129, L""}}}, texts, dialog);
    EXPECT_EQ(dialog, 156);
    EXPECT_EQ(texts[1129], L"module 2 unreachable");
    ASSERT_EQ(start, kPageNeskP1);

    RunWizard({start,
               [](PageDriver& d, CMyPropertySheet& s) {
                   d.TypeAddress(s.m_pageNeskP1, U1::IDC_ADDRESS, L"192.168.1.10");
                   d.TypeAddress(s.m_pageNeskP1, U1::IDC_GATEWAY, L"192.168.1.1");
                   d.Press(s, SheetButton::Next);
                   ASSERT_EQ(s.GetActiveIndex(), kPageNeskP2);
                   d.TypeAddress(s.m_pageNeskP2, U2::IDC_MANAGEMENT, L"192.168.1.20");
                   d.TypeAddress(s.m_pageNeskP2, U2::IDC_MODULE1, L"192.168.1.21");
                   d.TypeAddress(s.m_pageNeskP2, U2::IDC_MODULE2, L"192.168.1.22");
                   d.Select(s.m_pageNeskP2, U2::IDC_RANGE, 0);
               },
               {}});
    ASSERT_EQ(Simulate({}), 0);
    texts.clear();
    const Restart success{155,
                          1,
                          kPageMain,
                          {{1134, L"192.168.1.20"},
                           {1135, L"192.168.1.10"},
                           {1136, L"192.168.1.21"},
                           {1137, L"192.168.1.22"}}};
    EXPECT_EQ(StartAgain(success, texts, dialog), kPageMain);
    EXPECT_EQ(dialog, 155);
    EXPECT_EQ(texts, success.texts);
}

// The stand-in refuses what no system would run: nothing comes back.
TEST_F(Trips, TheStandInRefusesWhatNoSystemWouldRun) {
    for (const char* task :
         {"satask mkcluster -clusterip 300.1.1.1 -gw 1.1.1.1 -mask 255.0.0.0", "rm -rf /"}) {
        TempKey::Write("satask.txt", task);
        EXPECT_EQ(Simulate({}), 2) << task;
        EXPECT_FALSE(TempKey::Exists("satask_result.html"));
    }
}

}  // namespace
}  // namespace tests
