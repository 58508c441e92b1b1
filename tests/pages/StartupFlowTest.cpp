// The start-up flow on every backend: the stale task file removed, the results on the key
// reported in their dialog (or a message), and where each answer leads.
#include <filesystem>
#include <functional>

#include "PageTest.h"
#include "app/MyWizardApp.h"
#include "dialogs/ResultDialogs.h"
#include "platform/FileError.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#endif

namespace tests {
namespace {

using namespace dialogs;
using framework::IDCANCEL;
using framework::IDOK;

class StartupFlow : public PageLogic {
  protected:
    // Copies a fixture onto the key and runs the start-up flow, handing the dialog it shows
    // (if any) to `act`. Returns the start page.
    int Run(const char* fixture, const std::function<void(framework::CDialog&)>& act = {}) {
        if (fixture) {
            TempKey::CopyFixture(std::filesystem::path(K4400_FIXTURES) / fixture);
        }
        app::CMyWizardApp application;
        int start = -1;
        driver->WhileModal(
            act ? act : [](framework::CDialog& d) { d.EndDialog(0); },
            [&] { start = application.ChooseStartPage(); });
        return start;
    }
    static void Clean() {
        for (const char* name : {"satask_result.html", "DORNA_results.txt"}) {
            std::filesystem::remove_all(name);
        }
    }
    std::wstring Battery(const wchar_t* minutes) {
        return platform::LoadFormatted(IDS_BATTERY_CHARGING, {minutes});
    }
    std::wstring Product() { return platform::LoadText(IDS_PRODUCT_NAME); }
};

TEST_F(StartupFlow, TheApplicationObjectRemovesAStaleTaskFileAlone) {
    TempKey::Write("satask.txt", "satask resetpassword");
    TempKey::Write("cfgtask.txt", "cfginit");
    {
        app::CMyWizardApp application;
        EXPECT_FALSE(TempKey::Exists("satask.txt"));
        EXPECT_TRUE(TempKey::Exists("cfgtask.txt"));
    }
    // Read-only as well (Windows' delete refuses such a file until it is made writable).
    TempKey::Write("satask.txt", "satask resetpassword");
    std::filesystem::permissions("satask.txt", std::filesystem::perms::owner_read);
    app::CMyWizardApp application;
    EXPECT_FALSE(TempKey::Exists("satask.txt"));
    EXPECT_TRUE(fake.messages.empty());
}

#ifdef _WIN32
// A stale task file that cannot be removed (here held open by another program) would be
// executed by the system: the user is told so once, with the cause, and it stays.
TEST_F(StartupFlow, AStaleTaskFileThatStaysIsToldOnce) {
    TempKey::Write("satask.txt", "satask resetpassword");
    int held = -1;
    ASSERT_EQ(_sopen_s(&held, "satask.txt", _O_RDONLY, _SH_DENYRW, 0), 0);
    { app::CMyWizardApp application; }
    _close(held);
    EXPECT_TRUE(TempKey::Exists("satask.txt"));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(
        fake.messages[0].text,
        platform::LoadFormatted(IDS_FW_STALE_TASK_KEPT, {L"satask.txt"}) + L"\n\n" +
            platform::DescribeFileError(platform::FileErrorCause::SharingViolation, L"satask.txt"));
    EXPECT_EQ(fake.messages[0].owner, nullptr);
}
#endif

TEST_F(StartupFlow, AFirstRunStartsOnTheMainMenuSilently) {
    EXPECT_EQ(Run(nullptr), kPageMain);
    EXPECT_TRUE(fake.messages.empty());
}

// Results that cannot be used say so once, in a message without an owner, and the wizard
// starts on the main menu; a file that cannot be opened is described by its cause.
TEST_F(StartupFlow, UnusableResultsAreReportedOnce) {
    const std::pair<const char*, std::wstring> cases[] = {
        {"empty", platform::LoadText(IDS_RESULTS_UNREADABLE)},
        {"unrecognised-extra-option", platform::LoadText(IDS_RESULTS_UNREADABLE)},
        {"unified-file-modules-missing", platform::LoadText(IDS_RESULTS_UNREADABLE)},
        {"command-end-before-task-line", platform::LoadText(IDS_RESULTS_UNREADABLE)},
        {"task-results-unopenable",
         platform::LoadFormatted(IDS_FW_FILE_NOT_A_FILE, {L"satask_result.html"})},
        {"dorna-unopenable",
         platform::LoadFormatted(IDS_FW_FILE_NOT_A_FILE, {L"DORNA_results.txt"})},
    };
    for (const auto& [fixture, text] : cases) {
        SCOPED_TRACE(fixture);
        EXPECT_EQ(Run(fixture), kPageMain);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].text, text);
        EXPECT_EQ(fake.messages[0].owner, nullptr);
        fake.messages.clear();
        Clean();
    }
}

// A task line longer than the reader's bound (its output, here) still shows its failure
// dialog, the output cut at the dialog's bound.
TEST_F(StartupFlow, ATaskLineOverTheBoundStillShowsItsDialog) {
    std::string output;
    while (output.size() < 200000) {
        output += "CMMVC5706E an invalid argument has been entered ";
    }
    TempKey::Write("satask_result.html",
                   "command=\"satask mkcluster -clusterip 192.168.1.50 -gw 192.168.1.1 -mask "
                   "255.255.255.0 -usb\" output=\"" +
                       output + "\" exit=\"1\"\n\nsainfo lsservicestatus\ncluster_ip_count 0\n");
    int shown = 0;
    std::wstring error;
    Run(nullptr, [&](framework::CDialog& dialog) {
        shown = dialog.GetTemplateId();
        error = dialog.Ctl().Text(CConfigIPFailureDlg::IDC_ERROR);
        driver->Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(shown, 133);
    EXPECT_EQ(error.size(), CResultDialog::kMostShown);
    EXPECT_EQ(error.substr(0, 22), L"cmmvc5706e an invalid ");
    EXPECT_TRUE(fake.messages.empty());
}

// Each result: its dialog with its texts, and the page the answer starts the wizard on.
TEST_F(StartupFlow, ResultDialogsAndTheirAnswers) {
    struct Case {
        const char* fixture;
        int templateId;
        int button;  // 0: Escape
        int startPage;
        std::vector<std::pair<int, std::wstring>> texts;
    };
    using InitOk = CConfigIPSuccessDlg;
    const Case cases[] = {
        {"ipv4-init-ok",
         102,
         IDOK,
         kPageMain,
         {{InitOk::IDC_MESSAGE,
           platform::LoadFormatted(IDS_CONFIGURED_WITH_IP, {Product()}) + L"192.168.1.50"},
          {InitOk::IDC_BATTERY, Battery(L"12")},
          {InitOk::IDC_LOGIN, platform::LoadText(IDS_SUPERUSER_LOGIN)}}},
        {"ipv4-init-failed",
         133,
         IDCANCEL,
         kPageMain,
         {{CConfigIPFailureDlg::IDC_ERROR, L"cmmvc5706e an invalid argument has been entered"}}},
        {"unified-storage-failed",
         133,
         0,
         kPageMain,
         {{CConfigIPFailureDlg::IDC_ERROR, L"cmmvc1 failed"}}},
        {"reset-password-ok",
         134,
         IDCANCEL,
         kPageMain,
         {{CResetPasswordSuccessDlg::IDC_BATTERY, Battery(L"12")}}},
        {"reset-password-failed",
         135,
         IDOK,
         kPageResetPasswordDone,
         {{CResetPasswordFailureDlg::IDC_ERROR, L"cmmvc8000e not allowed"}}},
        {"reset-password-failed", 135, IDCANCEL, kPageMain, {}},
        {"service-ipv4-ok",
         136,
         IDCANCEL,
         kPageMain,
         {{CResetIPSuccessDlg::IDC_MESSAGE,
           platform::LoadFormatted(IDS_SERVICE_IP_SET, {Product()}) + L"192.168.70.121"}}},
        {"service-ipv6-ok", 136, 0, kPageMain, {}},
        {"service-default-failed",
         137,
         IDOK,
         kPageResetIP,
         {{CResetIPFailureDlg::IDC_ERROR, L"error"}}},
        {"service-ipv4-failed", 137, IDCANCEL, kPageMain, {}},
        {"unified-ok",
         155,
         IDOK,
         kPageMain,
         {{CConfigNeskSuccessDlg::IDC_MANAGEMENT_IP, L"192.168.1.20"},
          {CConfigNeskSuccessDlg::IDC_STORAGE_IP, L"192.168.1.50"},
          {CConfigNeskSuccessDlg::IDC_MODULE1_IP, L"192.168.1.21"},
          {CConfigNeskSuccessDlg::IDC_MODULE2_IP, L"192.168.1.22"}}},
        {"unified-file-modules-failed",
         156,
         IDOK,
         kPageNeskP1,
         {{CConfigNeskFailureDlg::IDC_ERROR,
           L"file module 2 did not respond; console ip unchanged"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        int shown = 0;
        std::vector<std::pair<int, std::wstring>> seen;
        const int start = Run(c.fixture, [&](framework::CDialog& dialog) {
            shown = dialog.GetTemplateId();
            for (const auto& [id, text] : c.texts) {
                seen.emplace_back(id, dialog.Ctl().Text(id));
            }
            c.button ? driver->Click(dialog, c.button) : driver->Escape(dialog);
        });
        EXPECT_EQ(shown, c.templateId);
        EXPECT_EQ(start, c.startPage);
        EXPECT_EQ(seen, c.texts);
        EXPECT_TRUE(fake.messages.empty());
        Clean();
    }
}

// The answers that end the program: the close box where the dialog has no way on, the launch
// buttons after their launch; an address not reported is said, not launched.
TEST_F(StartupFlow, AnswersThatEndTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        const char* fixture;
        int button;  // 0: Escape
        std::string output;
    };
    const std::string noAddress = Narrow(platform::LoadText(IDS_FW_LAUNCH_NO_ADDRESS));
    const Case cases[] = {
        {"ipv4-init-ok", 0, "end-program 0 after 0"},
        {"ipv4-init-ok", CConfigIPSuccessDlg::IDC_LAUNCH_GUI,
         "open-url <https://192.168.1.50>\nend-program 0 after 1"},
        {"ipv4-init-failed", IDOK, "open-url <https://192.168.70.121>\nend-program 0 after 1"},
        // The service address is empty ("[]"): nothing to open, and the user is told.
        {"ipv6-init-failed", IDOK, "message <" + noAddress + ">\nend-program 0 after 0"},
        {"unified-ok", 0, "end-program 0 after 0"},
        {"unified-ok", CConfigNeskSuccessDlg::IDC_LAUNCH_GUI,
         "open-url <https://192.168.1.20>\nend-program 0 after 1"},
        {"unified-file-modules-failed", 0, "end-program 0 after 0"},
    };
    fake.onMessage = [](const platform::MessageRequest& m) {
        std::fprintf(stderr, "message <%ls>\n", m.text.c_str());
    };
    for (const Case& c : cases) {
        EXPECT_EXIT(Run(c.fixture,
                        [&](framework::CDialog& dialog) {
                            c.button ? driver->Click(dialog, c.button) : driver->Escape(dialog);
                        }),
                    ::testing::ExitedWithCode(0), c.output)
            << c.fixture << " " << c.button;
        Clean();
    }
}

}  // namespace
}  // namespace tests
