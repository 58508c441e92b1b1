// The whole trip: the wizard writes a task onto the key, the stand-in system executes it,
// and a fresh start reads it back and shows the matching dialog.
#include <cstdlib>

#include <QComboBox>

#include "QtTest.h"
#include "app/MyWizardApp.h"
#include "framework/Dialog.h"
#include "framework/qt/IPAddressCtrl.h"
#include "wizard/PageIds.h"

namespace tests {
namespace {

using namespace tests;
using framework::qt::CIPAddressCtrl;
using namespace wizard;
using tests::TempKey;

class EndToEnd : public QtTest {
  protected:
    // The stand-in system executes the key; returns its exit code.
    static int Simulate(const std::string& option = "") {
        const std::string command = std::string(K4400_SIM) +
                                    (option.empty() ? "" : " '" + option + "'") +
                                    " . >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Runs the wizard from `start`, lets `drive` do the task, and presses Finish.
    void RunWizard(int start, const std::function<void(CMyPropertySheet&)>& drive) {
        auto sheet = Open(start);
        drive(*sheet);
        ASSERT_TRUE(sheet->FinishButton()->isVisible()) << "the task did not reach a done page";
        QTest::mouseClick(sheet->FinishButton(), Qt::LeftButton);
        EXPECT_EQ(sheet->result(), 1);
    }

    struct Shown {
        int dialog = 0;
        std::map<int, std::wstring> texts;
    };

    // A fresh start of the program on the key: the dialog shown, its texts, then `button`.
    int Restart(Shown& shown, int button) {
        app::CMyWizardApp application;
        EXPECT_FALSE(TempKey::Exists("satask.txt"));
        return WithModal(
            [&](QWidget* modal) {
                framework::CDialog* dialog = framework::qt::DialogBehind(modal);
                shown.dialog = dialog->GetTemplateId();
                for (const framework::ControlSpec& row : dialog->Template().controls) {
                    shown.texts[row.id] = dialog->Ctl().Text(row.id);
                }
                QTest::mouseClick(WidgetAs<QPushButton>(*dialog, button), Qt::LeftButton);
            },
            [&] { return application.ChooseStartPage(); });
    }

    static void ChooseOnMainMenu(CMyPropertySheet& sheet, int option) {
        Control<QRadioButton>(sheet.m_pageMain, option)->click();
        Next(sheet);
    }
};

TEST_F(EndToEnd, NewSystemIPv4SucceedsAndLaunchesTheGui) {
    RunWizard(kPageMain, [](CMyPropertySheet& sheet) {
        ChooseOnMainMenu(sheet, CMyPropertyPageMain::IDC_NEW_SYSTEM);
        TypeRow(sheet.m_pageConfigIP, {1030, 1031, 1032, 1033}, {"192", "168", "1", "50"});
        Next(sheet);
    });
    ASSERT_EQ(Simulate(), 0);
    Shown shown;
    EXPECT_EQ(Restart(shown, 1), 0);  // Return to Main Menu
    EXPECT_EQ(shown.dialog, 102);
    EXPECT_EQ(shown.texts[1074],
              L"Veltara K4400 System was successfully configured with IP: 192.168.1.50");
    EXPECT_NE(shown.texts[1075].find(L"charging time is: 0 minutes"), std::wstring::npos);
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(
        {
            Shown again;
            Restart(again, 1002);
        },
        ::testing::ExitedWithCode(0), "open-url <https://192.168.1.50>\nend-program 0");
}

TEST_F(EndToEnd, NewSystemIPv6FailureOffersTheServiceAssistant) {
    RunWizard(kPageMain, [](CMyPropertySheet& sheet) {
        ChooseOnMainMenu(sheet, CMyPropertyPageMain::IDC_NEW_SYSTEM);
        Control<QRadioButton>(sheet.m_pageConfigIP, CMyPropertyPageConfigIP::IDC_IPV6)->click();
        Type(Control(sheet.m_pageConfigIP, CMyPropertyPageConfigIP::IDC_V6_ADDRESS), "fd00::50");
        Type(Control(sheet.m_pageConfigIP, CMyPropertyPageConfigIP::IDC_PREFIX), "64");
        Type(Control(sheet.m_pageConfigIP, CMyPropertyPageConfigIP::IDC_V6_GATEWAY), "fd00::1");
        Next(sheet);
    });
    EXPECT_EQ(TempKey::Read("satask.txt"),
              "satask mkcluster -clusterip_6 fd00::50 -gw_6 fd00::1 -prefix_6 64");
    ASSERT_EQ(Simulate("--fail=3:CMMVC6010E The address is already in use"), 0);
    Shown shown;
    EXPECT_EQ(Restart(shown, 2), 0);  // Try Again: the main menu
    EXPECT_EQ(shown.dialog, 133);
    EXPECT_EQ(shown.texts[1077], L"cmmvc6010e the address is already in use");
}

TEST_F(EndToEnd, NewSystemIPv6Succeeds) {
    RunWizard(kPageMain, [](CMyPropertySheet& sheet) {
        ChooseOnMainMenu(sheet, CMyPropertyPageMain::IDC_NEW_SYSTEM);
        Control<QRadioButton>(sheet.m_pageConfigIP, CMyPropertyPageConfigIP::IDC_IPV6)->click();
        Type(Control(sheet.m_pageConfigIP, CMyPropertyPageConfigIP::IDC_V6_ADDRESS), "FD00::50");
        Type(Control(sheet.m_pageConfigIP, CMyPropertyPageConfigIP::IDC_PREFIX), "64");
        Type(Control(sheet.m_pageConfigIP, CMyPropertyPageConfigIP::IDC_V6_GATEWAY), "fd00::1");
        Next(sheet);
    });
    ASSERT_EQ(Simulate("--crlf") + Simulate("--upper"), 0);
    Shown shown;
    EXPECT_EQ(Restart(shown, 1), 0);
    EXPECT_EQ(shown.dialog, 102);
    EXPECT_EQ(shown.texts[1074],
              L"Veltara K4400 System was successfully configured with IP: [fd00::50]");
}

TEST_F(EndToEnd, PasswordResetAfterInitialisationReportsTheAddresses) {
    RunWizard(kPageMain, [](CMyPropertySheet& sheet) {
        ChooseOnMainMenu(sheet, CMyPropertyPageMain::IDC_NEW_SYSTEM);
        TypeRow(sheet.m_pageConfigIP, {1030, 1031, 1032, 1033}, {"10", "0", "0", "5"});
        Next(sheet);
    });
    ASSERT_EQ(Simulate(), 0);
    RunWizard(kPageMain, [](CMyPropertySheet& sheet) {
        ChooseOnMainMenu(sheet, CMyPropertyPageMain::IDC_RESET_PASSWORD);
    });
    ASSERT_EQ(Simulate(), 0);
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(
        {
            Shown shown;
            Restart(shown, 1090);
        },
        ::testing::ExitedWithCode(0), "open-url <http://10.0.0.5/service>\nend-program 0");
    Shown shown;
    EXPECT_EQ(Restart(shown, 2), 0);
    EXPECT_EQ(shown.dialog, 134);
}

TEST_F(EndToEnd, PasswordResetFailureTriesAgainOnItsPage) {
    RunWizard(kPageMain, [](CMyPropertySheet& sheet) {
        ChooseOnMainMenu(sheet, CMyPropertyPageMain::IDC_RESET_PASSWORD);
    });
    ASSERT_EQ(Simulate("--fail=1:CMMVC8000E The reset is not allowed"), 0);
    Shown shown;
    const int start = Restart(shown, 1);  // Try Again
    EXPECT_EQ(shown.dialog, 135);
    EXPECT_EQ(start, kPageResetPasswordDone);
    // The wizard opened on that page writes the task again at once.
    auto sheet = Open(start);
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask resetpassword");
}

TEST_F(EndToEnd, ServiceIpTasks) {
    struct Case {
        std::function<void(CMyPropertyPageResetIP&)> fill;
        std::string option;
        int dialog;
        int button;
        int start;
        std::wstring message;
    };
    const Case cases[] = {
        {[](CMyPropertyPageResetIP& page) {
             TypeRow(page, {1044, 1045, 1034, 1035}, {"10", "1", "2", "30"});
         },
         "", 136, 2, 0,
         L"Veltara K4400 System Service Assistant IP address was successfully reset to: 10.1.2.30"},
        {[](CMyPropertyPageResetIP& page) {
             Control<QRadioButton>(page, CMyPropertyPageResetIP::IDC_IPV6)->click();
             Type(Control(page, CMyPropertyPageResetIP::IDC_V6_ADDRESS), "fd00::7");
             Type(Control(page, CMyPropertyPageResetIP::IDC_PREFIX), "64");
             Type(Control(page, CMyPropertyPageResetIP::IDC_V6_GATEWAY), "fd00::1");
         },
         "", 136, 2, 0,
         L"Veltara K4400 System Service Assistant IP address was successfully reset to: [fd00::7]"},
        {[](CMyPropertyPageResetIP& page) {
             Control<QRadioButton>(page, CMyPropertyPageResetIP::IDC_RESET_DEFAULT)->click();
         },
         "", 136, 2, 0,
         L"Veltara K4400 System Service Assistant IP address was successfully reset to: "
         L"192.168.70.121"},
        {[](CMyPropertyPageResetIP& page) {
             Control<QRadioButton>(page, CMyPropertyPageResetIP::IDC_RESET_DEFAULT)->click();
         },
         "--fail=4", 137, 1, kPageResetIP, L""},
    };
    for (const Case& c : cases) {
        RunWizard(kPageMain, [&](CMyPropertySheet& sheet) {
            ChooseOnMainMenu(sheet, CMyPropertyPageMain::IDC_SERVICE_IP);
            c.fill(sheet.m_pageResetIP);
            Next(sheet);
        });
        ASSERT_EQ(Simulate(c.option), 0);
        Shown shown;
        EXPECT_EQ(Restart(shown, c.button), c.start);
        EXPECT_EQ(shown.dialog, c.dialog);
        if (!c.message.empty()) {
            EXPECT_EQ(shown.texts[1081], c.message);
        }
    }
}

TEST_F(EndToEnd, UnifiedAfterAFileModuleFailure) {
    // The storage system took the unified task; the file modules failed.
    TempKey::Write(
        "satask.txt",
        "satask mknascluster -clusterip 192.168.1.10 -mask 255.255.255.0 -gw 192.168.1.1 "
        "-consoleip 192.168.1.20");
    TempKey::Write("cfgtask.txt",
                   "cfginit --ip=192.168.1.20 --netmask=255.255.255.0 --gateway=192.168.1.1 "
                   "--serviceip1=192.168.1.21 --serviceip2=192.168.1.22 --internalips=172.31.8.1  "
                   "--veltaraip=192.168.1.10");
    ASSERT_EQ(Simulate("--fail-file-modules=Module 2 unreachable"), 0);
    Shown shown;
    const int start = Restart(shown, 1);  // Try Again
    EXPECT_EQ(shown.dialog, 156);
    EXPECT_EQ(shown.texts[1129], L"module 2 unreachable");
    ASSERT_EQ(start, kPageNeskP1);

    RunWizard(start, [](CMyPropertySheet& sheet) {
        // Typed key by key to wherever the focus is, as the control moves it on.
        auto type = [](framework::CPropertyPageEx& page, int id, const char* text) {
            auto* control = WidgetAs<CIPAddressCtrl>(page, id);
            ASSERT_NE(control, nullptr);
            control->Field(0)->setFocus();
            for (const char* c = text; *c; ++c) {
                QTest::keyClick(QApplication::focusWidget(), *c);
            }
        };
        type(sheet.m_pageNeskP1, MyPropertyPageConfigNeskP1::IDC_ADDRESS, "192.168.1.10");
        type(sheet.m_pageNeskP1, MyPropertyPageConfigNeskP1::IDC_GATEWAY, "192.168.1.1");
        Next(sheet);
        ASSERT_EQ(sheet.GetActiveIndex(), kPageNeskP2);
        type(sheet.m_pageNeskP2, MyPropertyPageConfigNeskP2::IDC_MANAGEMENT, "192.168.1.20");
        type(sheet.m_pageNeskP2, MyPropertyPageConfigNeskP2::IDC_MODULE1, "192.168.1.21");
        type(sheet.m_pageNeskP2, MyPropertyPageConfigNeskP2::IDC_MODULE2, "192.168.1.22");
        auto* range =
            WidgetAs<QComboBox>(sheet.m_pageNeskP2, MyPropertyPageConfigNeskP2::IDC_RANGE);
        range->setFocus();
        QTest::keyClick(range, Qt::Key_Down);
        Next(sheet);
    });
    ASSERT_EQ(Simulate(), 0);
    Shown success;
    EXPECT_EQ(Restart(success, 1), 0);
    EXPECT_EQ(success.dialog, 155);
    EXPECT_EQ(success.texts[1134], L"192.168.1.20");
    EXPECT_EQ(success.texts[1135], L"192.168.1.10");
    EXPECT_EQ(success.texts[1136], L"192.168.1.21");
    EXPECT_EQ(success.texts[1137], L"192.168.1.22");
}

TEST_F(EndToEnd, AMissingResultsFileLeavesAFirstRun) {
    RunWizard(kPageMain, [](CMyPropertySheet& sheet) {
        ChooseOnMainMenu(sheet, CMyPropertyPageMain::IDC_RESET_PASSWORD);
    });
    ASSERT_EQ(Simulate("--omit=storage"), 0);
    app::CMyWizardApp application;
    EXPECT_EQ(application.ChooseStartPage(), 0);
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(EndToEnd, TheStandInRefusesWhatNoSystemWouldRun) {
    TempKey::Write("satask.txt",
                   "satask mkcluster -clusterip 300.1.1.1 -gw 1.1.1.1 -mask 255.0.0.0");
    EXPECT_EQ(Simulate(), 2);
    EXPECT_FALSE(TempKey::Exists("satask_result.html"));
    TempKey::Write("satask.txt", "rm -rf /");
    EXPECT_EQ(Simulate(), 2);
    EXPECT_FALSE(TempKey::Exists("satask_result.html"));
}

}  // namespace
}  // namespace tests
