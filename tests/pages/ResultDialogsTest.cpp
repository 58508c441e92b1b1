// The result dialogs on every backend: every button's end code or launch, the messages a
// launch that cannot happen shows (owned by the dialog), and the documentation that leaves the
// dialog open.
#include <functional>

#include "PageTest.h"
#include "dialogs/ResultDialogs.h"

namespace tests {
namespace {

// Every button of every result dialog: the code it ends the dialog with, or the page it
// opens. Launches end the program, so they run in a child.
TEST_F(PageLogic, EveryResultDialogButtonEndsOrLaunchesAsItShould) {
    using namespace dialogs;
    struct Case {
        const char* name;
        std::function<std::unique_ptr<CResultDialog>()> make;
        int button;
        int result;       // the dialog's end code; 0: the program ends instead
        std::string url;  // what a launch opens
    };
    auto withIp = [](auto dialog) {
        dialog->m_strIP = L"10.0.0.5";
        dialog->m_strLaunchUrl = L"https://10.0.0.5";
        dialog->m_strManagementIP = L"10.0.0.20";
        return dialog;
    };
    const Case cases[] = {
        {"init ok: return", [&] { return withIp(std::make_unique<CConfigIPSuccessDlg>()); }, 1, 1,
         ""},
        {"init ok: launch GUI", [&] { return withIp(std::make_unique<CConfigIPSuccessDlg>()); },
         CConfigIPSuccessDlg::IDC_LAUNCH_GUI, 0, "https://10.0.0.5"},
        {"init failed: service assistant", [] { return std::make_unique<CConfigIPFailureDlg>(); },
         1, 1, ""},
        {"init failed: try again", [] { return std::make_unique<CConfigIPFailureDlg>(); }, 2, 2,
         ""},
        {"reset ok: return", [&] { return withIp(std::make_unique<CResetPasswordSuccessDlg>()); },
         2, 2, ""},
        {"reset ok: GUI", [&] { return withIp(std::make_unique<CResetPasswordSuccessDlg>()); },
         CResetPasswordSuccessDlg::IDC_LAUNCH_GUI, 0, "https://10.0.0.5"},
        {"reset ok: service assistant",
         [&] { return withIp(std::make_unique<CResetPasswordSuccessDlg>()); },
         CResetPasswordSuccessDlg::IDC_LAUNCH_SERVICE_ASSISTANT, 0, "http://10.0.0.5/service"},
        {"reset failed: try again", [] { return std::make_unique<CResetPasswordFailureDlg>(); }, 1,
         1, ""},
        {"reset failed: return", [] { return std::make_unique<CResetPasswordFailureDlg>(); }, 2, 2,
         ""},
        {"service ok: return", [&] { return withIp(std::make_unique<CResetIPSuccessDlg>()); }, 2, 2,
         ""},
        {"service ok: GUI", [&] { return withIp(std::make_unique<CResetIPSuccessDlg>()); },
         CResetIPSuccessDlg::IDC_LAUNCH_GUI, 0, "http://10.0.0.5"},
        {"service ok: service assistant",
         [&] { return withIp(std::make_unique<CResetIPSuccessDlg>()); },
         CResetIPSuccessDlg::IDC_LAUNCH_SERVICE_ASSISTANT, 0, "http://10.0.0.5/service"},
        {"service failed: try again", [] { return std::make_unique<CResetIPFailureDlg>(); }, 1, 1,
         ""},
        {"service failed: return", [] { return std::make_unique<CResetIPFailureDlg>(); }, 2, 2, ""},
        {"unified ok: return", [&] { return withIp(std::make_unique<CConfigNeskSuccessDlg>()); }, 1,
         1, ""},
        {"unified ok: launch GUI",
         [&] { return withIp(std::make_unique<CConfigNeskSuccessDlg>()); },
         CConfigNeskSuccessDlg::IDC_LAUNCH_GUI, 0,
         "https://10.0.0.5"},  // the flow puts the management address there
        {"unified failed: try again", [] { return std::make_unique<CConfigNeskFailureDlg>(); }, 1,
         1, ""},
    };
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dialog = c.make();
        dialog->Create();
        ASSERT_NE(dialog->Template().Find(c.button), nullptr);
        if (c.result != 0) {
            driver->Click(*dialog, c.button);
            EXPECT_EQ(dialog->Result(), c.result);
            EXPECT_TRUE(fake.launches.empty());
        } else {
            EXPECT_EXIT(driver->Click(*dialog, c.button), ::testing::ExitedWithCode(0),
                        "open-url <" + c.url + ">\nend-program 0 after 1 launch");
        }
    }
    // A launch with no valid address to open is told in a message the dialog owns, then the
    // program ends: nothing reported, reported empty, brackets alone, or an address that
    // is not a strict literal (a browser would read another host, or none).
    for (const wchar_t* reported :
         {L"", L"[]", L"x", L"[x]", L" [ ] ", L"0x7f.1", L"1.2.3", L"010.0.0.1", L"1.2.3.4:8080",
          L"1.2.3.4@evil.example", L"[fe80::1%4]", L"evil.example/"}) {
        CResetIPSuccessDlg dialog;
        dialog.m_strIP = reported;
        dialog.Create();
        driver->Show(dialog);
        const void* owner = driver->Owner(dialog);
        fake.onMessage = [owner](const platform::MessageRequest& m) {
            std::fprintf(stderr, "message <%ls> %s\n", m.text.c_str(),
                         m.owner == owner ? "owned by the dialog" : "without the dialog");
        };
        for (int button : {CResetIPSuccessDlg::IDC_LAUNCH_GUI,
                           CResetIPSuccessDlg::IDC_LAUNCH_SERVICE_ASSISTANT}) {
            EXPECT_EXIT(driver->Click(dialog, button), ::testing::ExitedWithCode(0),
                        "message <" + Narrow(platform::LoadText(IDS_FW_LAUNCH_NO_ADDRESS)) +
                            "> owned by the dialog\nend-program 0 after 0 launch")
                << Narrow(reported) << " " << button;
        }
        fake.onMessage = nullptr;
    }
    // Launch Info Center opens the documentation and the dialog stays.
    CConfigNeskFailureDlg failure;
    failure.Create();
    driver->Click(failure, CConfigNeskFailureDlg::IDC_LAUNCH_INFO_CENTER);
    EXPECT_EQ(fake.launches,
              std::vector<std::wstring>{L"https://www.quorvex.com/support/docs/"
                                        L"veltara-k4400/installation/troubleshooting"});
    EXPECT_EQ(failure.Result(), 0);
}

// Text from a key is shown up to a bound, cut behind an ellipsis; the dialog's members keep
// it whole; shorter texts are shown as they are.
TEST_F(PageLogic, ALongErrorIsShownUpToItsBound) {
    using namespace dialogs;
    std::wstring error;
    while (error.size() < 60000) {
        error += L"cmmvc5706e an invalid argument has been entered ";
    }
    for (const std::wstring& text :
         {error, std::wstring(L"cmmvc5706e failed"), error.substr(0, CResultDialog::kMostShown)}) {
        CConfigIPFailureDlg dialog;
        dialog.m_strError = text;
        dialog.Create();
        driver->Show(dialog);
        const std::wstring shown = dialog.Ctl().Text(CConfigIPFailureDlg::IDC_ERROR);
        if (text.size() > CResultDialog::kMostShown) {
            EXPECT_EQ(shown.size(), CResultDialog::kMostShown);
            EXPECT_EQ(shown.back(), L'\u2026');
            EXPECT_EQ(shown.substr(0, shown.size() - 1), text.substr(0, shown.size() - 1));
        } else {
            EXPECT_EQ(shown, text);
        }
        EXPECT_EQ(dialog.m_strError, text);
    }
}

// A browser that does not start is said, with the address to open by hand, in a message the
// dialog owns, before the program ends.
TEST_F(PageLogic, ALaunchThatCannotHappenSaysSo) {
    using namespace dialogs;
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        const wchar_t* address;
        int button;
        bool browser;
        std::string expected;
    };
    auto byHand = [](const wchar_t* url) {
        return Narrow(platform::LoadFormatted(IDS_FW_LAUNCH_BY_HAND, {url}));
    };
    const Case cases[] = {
        {L"10.0.0.5", CResetIPSuccessDlg::IDC_LAUNCH_GUI, false,
         "open-url <http://10.0.0.5>\nmessage <" + byHand(L"http://10.0.0.5") +
             "> owned by the dialog\nend-program 0 after 1"},
    };
    for (const Case& c : cases) {
        CResetIPSuccessDlg dialog;
        dialog.m_strIP = c.address;
        fake.browserAnswers = c.browser;
        dialog.Create();
        driver->Show(dialog);
        const void* owner = driver->Owner(dialog);
        fake.onMessage = [owner](const platform::MessageRequest& m) {
            std::fprintf(stderr, "message <%ls> %s\n", m.text.c_str(),
                         m.owner == owner ? "owned by the dialog" : "without the dialog");
        };
        EXPECT_EXIT(driver->Click(dialog, c.button), ::testing::ExitedWithCode(0), c.expected)
            << Narrow(c.address);
        fake.onMessage = nullptr;
    }
}

}  // namespace
}  // namespace tests
