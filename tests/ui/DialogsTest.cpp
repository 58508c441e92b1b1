// The result dialogs, and the start-up flow that reads the key and shows them.
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include "UiTest.h"
#include "app/MyWizardApp.h"
#include "dialogs/ResultDialogs.h"
#include "framework/qt/Application.h"
#include "platform/Platform.h"

namespace {

using namespace uitest;
using namespace dialogs;
using testing_support::TempKey;

QPushButton* Button(QWidget* dialog, int id) {
    return dialog->findChild<QPushButton*>(QString::number(id));
}

QString ControlText(QWidget* dialog, int id) {
    framework::CDialog* host = framework::qt::DialogBehind(dialog);
    return host ? DlgText(*host, id) : QString();
}

class Dialogs : public UiTest {};

TEST_F(Dialogs, TextsButtonsAndFocus) {
    struct Case {
        std::function<std::unique_ptr<CResultDialog>()> make;
        int header;
        int messageControl;
        std::wstring message;
        std::vector<std::pair<int, int>> buttons;  // in tab order: control, caption string
        int defaultButton;
    };
    const std::wstring product = L"Veltara K4400";
    const Case cases[] = {
        {[] { return std::make_unique<CConfigIPSuccessDlg>(); },
         146,
         1074,
         L"Veltara K4400 System was successfully configured with IP: ",
         {{1002, 149}, {1, 150}},
         1},
        {[] { return std::make_unique<CConfigIPFailureDlg>(); },
         151,
         1076,
         L"Veltara K4400 System was not configured successfully",
         {{1, 153}, {2, 155}},
         1},
        {[] { return std::make_unique<CResetPasswordSuccessDlg>(); },
         156,
         1078,
         L"Veltara K4400 System password was successfully reset to : kelpw1nd.",
         {{2, 150}, {1025, 149}, {1090, 153}},
         1090},
        {[] { return std::make_unique<CResetPasswordFailureDlg>(); },
         158,
         1079,
         L"Veltara K4400 System password was NOT reset successfully.",
         {{1, 155}, {2, 150}},
         1},
        {[] { return std::make_unique<CResetIPSuccessDlg>(); },
         162,
         1081,
         L"Veltara K4400 System Service Assistant IP address was successfully reset to: ",
         {{2, 150}, {1025, 149}, {1090, 153}},
         1090},
        {[] { return std::make_unique<CResetIPFailureDlg>(); },
         163,
         1082,
         L"Veltara K4400 System Service Assitant IP address  was NOT reset successfully.",
         {{1, 155}, {2, 150}},
         1},
        {[] { return std::make_unique<CConfigNeskSuccessDlg>(); },
         146,
         1125,
         L"The Veltara K4400 Unified was successfully configured with the following IP addresses:",
         {{1002, 149}, {1, 150}},
         1},
        {[] { return std::make_unique<CConfigNeskFailureDlg>(); },
         151,
         1128,
         L"Veltara K4400 File Module System was not configured successfully",
         {{1126, 195}, {1, 155}},
         1126},
    };
    for (const Case& c : cases) {
        auto dialog = c.make();
        dialog->Create();
        Box(*dialog)->show();
        Settle();
        EXPECT_EQ(Box(*dialog)->windowTitle(), "Quorvex Veltara K4400 Initialization Tool");
        EXPECT_EQ(dialog->Ctl().Text(1001), Text(c.header));
        EXPECT_EQ(Widget(*dialog, 1001)->font().weight(), QFont::Bold);
        EXPECT_EQ(dialog->Ctl().Text(c.messageControl), c.message);
        QWidget* expectedFocus = Widget(*dialog, c.buttons.front().first);
        EXPECT_EQ(Box(*dialog)->focusWidget(), expectedFocus) << dialog->GetTemplateId();
        // The default button, once the focus is on none of them.
        Box(*dialog)->setFocus();
        QWidget* current = expectedFocus;
        for (const auto& [id, caption] : c.buttons) {
            auto* button = WidgetAs<QPushButton>(*dialog, id);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text().toStdWString(), Text(caption));
            EXPECT_EQ(button->isDefault(), id == c.defaultButton)
                << dialog->GetTemplateId() << " " << id;
            EXPECT_EQ(current, button) << "tab order of " << dialog->GetTemplateId();
            current = current->nextInFocusChain();
            while (current->focusPolicy() == Qt::NoFocus || !current->isVisible()) {
                current = current->nextInFocusChain();
            }
        }
        // Escape ends every dialog with Cancel, also where there is no Cancel button.
        QTest::keyClick(Box(*dialog), Qt::Key_Escape);
        EXPECT_EQ(dialog->Result(), framework::IDCANCEL);
    }
}

TEST_F(Dialogs, UnifiedSuccessShowsItsFourRows) {
    CConfigNeskSuccessDlg dialog;
    dialog.m_strManagementIP = L"10.0.0.20";
    dialog.m_strStorageIP = L"10.0.0.10";
    dialog.m_strFileModule1IP = L"10.0.0.21";
    dialog.m_strFileModule2IP = L"10.0.0.22";
    dialog.Create();
    const std::pair<int, QString> rows[] = {{1130, "Management IP"},
                                            {1134, "10.0.0.20"},
                                            {1131, "Veltara K4400"},
                                            {1135, "10.0.0.10"},
                                            {1132, "Veltara K4400 File Module 1"},
                                            {1136, "10.0.0.21"},
                                            {1133, "Veltara K4400 File Module 2"},
                                            {1137, "10.0.0.22"}};
    for (const auto& [id, text] : rows) {
        EXPECT_EQ(DlgText(dialog, id), text);
    }
    EXPECT_EQ(dialog.Ctl().Text(1140),
              L"To log into the Management GUI use \nUserID: admin \nPassword: brisk");
    // The two columns: values to the right of their labels, on the same line.
    EXPECT_GE(Widget(dialog, 1134)->x(), Widget(dialog, 1130)->geometry().right());
    EXPECT_EQ(Widget(dialog, 1134)->y(), Widget(dialog, 1130)->y());
}

TEST_F(Dialogs, HostileTextsFromTheKeyKeepTheDialogOnScreen) {
    // Addresses and times come from the key: 64 KiB of them must not make a giant window.
    std::wstring huge;
    for (int i = 0; i < 8000; ++i) {
        huge += L"10.0.0.1 ";
    }
    CConfigIPSuccessDlg success;
    success.m_strMessage += huge;
    success.m_strBattery = platform::LoadFormatted(148, {huge});
    success.Create();
    EXPECT_LT(Box(success)->height(), 1200);
    CConfigIPFailureDlg failure;
    failure.m_strError = huge;
    failure.Create();
    EXPECT_LT(Box(failure)->height(), 600);
    EXPECT_EQ(failure.Ctl().Text(1077), huge);  // all of it, scrollable
}

TEST_F(Dialogs, InfoCenterOpensTheDocumentationAndStays) {
    CConfigNeskFailureDlg dialog;
    dialog.m_strError = L"file module 2 did not respond";
    dialog.Create();
    Box(dialog)->show();
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(WidgetAs<QPushButton>(dialog, 1126), Qt::LeftButton);
    }
    EXPECT_EQ(
        fake.launches,
        std::vector<std::wstring>(
            3, L"https://www.quorvex.com/support/docs/veltara-k4400/installation/troubleshooting"));
    EXPECT_TRUE(Box(dialog)->isVisible());
    EXPECT_TRUE(fake.messages.empty());
    fake.browserAnswers = false;  // no browser: the address to open by hand, and it stays
    QTest::mouseClick(WidgetAs<QPushButton>(dialog, 1126), Qt::LeftButton);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find(L"/installation/troubleshooting"), std::wstring::npos);
    EXPECT_TRUE(Box(dialog)->isVisible());
    EXPECT_EQ(DlgText(dialog, 1129), "file module 2 did not respond");
    QTest::mouseClick(WidgetAs<QPushButton>(dialog, 1), Qt::LeftButton);
    EXPECT_EQ(dialog.Result(), framework::IDOK);
}

// A launch button opens its URL and ends the program at once with exit code 0.
void ClickAndExpectExit(CResultDialog& dialog, int button, const std::string& url) {
    dialog.Create();
    Box(dialog)->show();
    EXPECT_EXIT(QTest::mouseClick(WidgetAs<QPushButton>(dialog, button), Qt::LeftButton),
                ::testing::ExitedWithCode(0),
                url.empty() ? std::string("^end-program 0 after 0 launch")
                            : "open-url <" + url + ">\nend-program 0 after 1 launch");
}

TEST_F(Dialogs, LaunchButtonsOpenTheirUrlAndEndTheProgram) {
    GTEST_FLAG_SET(death_test_style, "fast");
    {
        CConfigIPSuccessDlg dialog;
        dialog.m_strLaunchUrl = L"https://10.0.0.5";
        ClickAndExpectExit(dialog, 1002, "https://10.0.0.5");
    }
    {
        CResetPasswordSuccessDlg dialog;
        dialog.m_strIP = L"[fd00::5]";
        ClickAndExpectExit(dialog, 1025, "https://\\[fd00::5\\]");
        ClickAndExpectExit(dialog, 1090, "http://\\[fd00::5\\]/service");
    }
    {
        CResetIPSuccessDlg dialog;
        dialog.m_strIP = L"10.0.0.5";
        ClickAndExpectExit(dialog, 1025, "http://10.0.0.5");
        ClickAndExpectExit(dialog, 1090, "http://10.0.0.5/service");
    }
    {
        CConfigNeskSuccessDlg dialog;
        dialog.m_strIP = L"10.0.0.20";
        ClickAndExpectExit(dialog, 1002, "https://10.0.0.20");
    }
}

// A launch that cannot happen says so before the program ends: nothing reported, an address
// the launch check refuses, or no browser to take it.
TEST_F(Dialogs, ALaunchThatCannotHappenNamesTheAddressToOpenByHand) {
    GTEST_FLAG_SET(death_test_style, "fast");
    fake.onMessage = [](const platform::MessageRequest& m) {
        std::fprintf(stderr, "message <%ls>\n", m.text.c_str());
    };
    struct Case {
        const char* address;
        int button;
        bool browser;
        std::string expected;
    };
    const Case cases[] = {
        {"x", 1025, true,
         "^message <The system did not report an address to open.*>\nend-program 0 after 0"},
        {"evil.example/", 1090, true,
         "^message <The web browser could not be opened.*\n\nhttp://evil.example//service>\n"
         "end-program 0 after 0"},
        {"10.0.0.5", 1025, false,
         "^open-url <http://10.0.0.5>\nmessage <The web browser could not be opened.*\n\n"
         "http://10.0.0.5>\nend-program 0 after 1"},
    };
    for (const Case& c : cases) {
        CResetIPSuccessDlg dialog;
        dialog.m_strIP = QString(c.address).toStdWString();
        fake.browserAnswers = c.browser;
        dialog.Create();
        Box(dialog)->show();
        EXPECT_EXIT(QTest::mouseClick(WidgetAs<QPushButton>(dialog, c.button), Qt::LeftButton),
                    ::testing::ExitedWithCode(0), c.expected)
            << c.address;
    }
}

class Startup : public UiTest {
  protected:
    // Copies a fixture onto the key and runs the start-up flow, handing the dialog (if any)
    // to `act`. Returns the start page.
    int Run(const char* fixture, const std::function<void(QWidget*)>& act = {}) {
        if (fixture) {
            TempKey::CopyFixture(std::filesystem::path(K4400_FIXTURES) / fixture);
        }
        app::CMyWizardApp application;
        if (!act) {
            return application.ChooseStartPage();
        }
        return WithModal(act, [&] { return application.ChooseStartPage(); });
    }
};

TEST_F(Startup, TheApplicationObjectRemovesAStaleTaskFile) {
    TempKey::Write("satask.txt", "satask resetpassword");
    TempKey::Write("cfgtask.txt", "cfginit");
    app::CMyWizardApp application;
    EXPECT_FALSE(TempKey::Exists("satask.txt"));
    EXPECT_TRUE(TempKey::Exists("cfgtask.txt"));
}

TEST_F(Startup, FirstRunStartsOnTheMainMenuSilently) {
    EXPECT_EQ(Run(nullptr), 0);
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(Startup, UnusableResultsShowMessage172) {
    for (const char* fixture : {"empty", "unrecognised-extra-option",
                                "unified-file-modules-missing", "command-end-before-task-line"}) {
        fake.messages.clear();
        EXPECT_EQ(Run(fixture), 0) << fixture;
        EXPECT_EQ(fake.texts(), std::vector<std::wstring>{Text(172)}) << fixture;
        EXPECT_EQ(fake.messages[0].owner, nullptr);
        std::filesystem::remove_all("DORNA_results.txt");
    }
}

TEST_F(Startup, AFileThatCannotBeOpenedIsDescribedOnce) {
    for (const char* fixture : {"task-results-unopenable", "dorna-unopenable"}) {
        fake.messages.clear();
        EXPECT_EQ(Run(fixture), 0);
        ASSERT_EQ(fake.messages.size(), 1u) << fixture;
        // A folder stands under the name: the message says so, not "access denied".
        EXPECT_NE(fake.messages[0].text.find(L"is not a file"), std::wstring::npos);
        for (const char* name : {"satask_result.html", "DORNA_results.txt"}) {
            std::filesystem::remove_all(name);
        }
    }
}

TEST_F(Startup, ResultDialogsAndTheirAnswers) {
    struct Case {
        const char* fixture;
        int templateId;
        int button;  // 0: Escape
        int startPage;
        std::vector<std::pair<int, std::wstring>> texts;
    };
    const Case cases[] = {
        {"ipv4-init-ok",
         102,
         1,
         0,
         {{1074, L"Veltara K4400 System was successfully configured with IP: 192.168.1.50"},
          {1075,
           L"The battery must reach sufficient charge in order to launch the GUI. \nThe "
           L"estimated battery charging time is: 12 minutes. \n"},
          {1089, L"To log into the Management GUI use \nUser: superuser \nPassword: kelpw1nd"}}},
        {"ipv4-init-failed",
         133,
         2,
         0,
         {{1077, L"cmmvc5706e an invalid argument has been entered"}}},
        {"unified-storage-failed", 133, 0, 0, {{1077, L"cmmvc1 failed"}}},
        {"reset-password-ok",
         134,
         2,
         0,
         {{1085, Text(148).replace(Text(148).find(L"%1"), 2, L"12")}}},
        {"reset-password-failed", 135, 1, 3, {{1080, L"cmmvc8000e not allowed"}}},
        {"reset-password-failed", 135, 2, 0, {}},
        {"service-ipv4-ok",
         136,
         2,
         0,
         {{1081,
           L"Veltara K4400 System Service Assistant IP address was successfully reset to: "
           L"192.168.70.121"}}},
        {"service-ipv6-ok", 136, 0, 0, {}},
        {"service-default-failed", 137, 1, 4, {{1084, L"error"}}},
        {"service-ipv4-failed", 137, 2, 0, {}},
        {"unified-ok",
         155,
         1,
         0,
         {{1134, L"192.168.1.20"},
          {1135, L"192.168.1.50"},
          {1136, L"192.168.1.21"},
          {1137, L"192.168.1.22"}}},
        {"unified-file-modules-failed",
         156,
         1,
         7,
         {{1129, L"file module 2 did not respond; console ip unchanged"}}},
    };
    for (const Case& c : cases) {
        int shown = 0;
        std::vector<std::pair<int, std::wstring>> seen;
        const int start = Run(c.fixture, [&](QWidget* modal) {
            framework::CDialog* dialog = framework::qt::DialogBehind(modal);
            shown = dialog ? dialog->GetTemplateId() : -1;
            for (const auto& [id, text] : c.texts) {
                seen.emplace_back(id, ControlText(modal, id).toStdWString());
            }
            if (c.button) {
                QTest::mouseClick(Button(modal, c.button), Qt::LeftButton);
            } else {
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        EXPECT_EQ(shown, c.templateId) << c.fixture;
        EXPECT_EQ(start, c.startPage) << c.fixture;
        EXPECT_EQ(seen, c.texts) << c.fixture;
        EXPECT_TRUE(fake.messages.empty()) << c.fixture;
        for (const char* name : {"satask_result.html", "DORNA_results.txt"}) {
            std::filesystem::remove_all(name);
        }
    }
}

TEST_F(Startup, AnswersThatEndTheProgram) {
    GTEST_FLAG_SET(death_test_style, "fast");
    struct Case {
        const char* fixture;
        int button;  // 0: Escape
        const char* output;
    };
    const Case cases[] = {
        {"ipv4-init-ok", 0, "^end-program 0 after 0"},
        {"ipv4-init-ok", 1002, "open-url <https://192.168.1.50>\nend-program 0 after 1"},
        {"ipv4-init-failed", 1, "open-url <https://192.168.70.121>\nend-program 0 after 1"},
        {"ipv6-init-failed", 1, "^end-program 0 after 0"},  // the service address is empty: "[]"
        {"unified-ok", 0, "^end-program 0 after 0"},
        {"unified-ok", 1002, "open-url <https://192.168.1.20>\nend-program 0 after 1"},
        {"unified-file-modules-failed", 0, "^end-program 0 after 0"},
    };
    for (const Case& c : cases) {
        EXPECT_EXIT(Run(c.fixture,
                        [&](QWidget* modal) {
                            if (c.button) {
                                QTest::mouseClick(Button(modal, c.button), Qt::LeftButton);
                            } else {
                                modal->close();  // the close box
                            }
                        }),
                    ::testing::ExitedWithCode(0), c.output)
            << c.fixture;
    }
}

// A message box's title is its caption and nothing else: Qt would append its display name
// to every window title, so the tool's name is kept by the framework instead.
TEST(Captions, MessageBoxesShowTheirCaptionAlone) {
    framework::qt::QtPlatform platform;
    framework::SetApplicationName(L"Quorvex Veltara K4400 Initialization Tool");
    const std::optional<std::wstring> captions[] = {L"IP Address", std::nullopt};
    for (const auto& caption : captions) {
        QString seen;
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen = box->windowTitle();
            box->accept();
        });
        platform.ShowMessage({nullptr, caption, L"text", platform::MessageButtons::Ok});
        EXPECT_EQ(seen.toStdWString(),
                  caption.value_or(L"Quorvex Veltara K4400 Initialization Tool"));
    }
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
}

// Started from a desktop menu, the wizard asks for the key folder first; Cancel there gives
// no folder (and the program ends without touching any), a choice gives that folder.
TEST_F(Dialogs, TheKeyFolderChooserCancelsOrChooses) {
    for (const bool choose : {false, true}) {
        QTimer::singleShot(0, [choose] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->windowTitle().toStdWString(), Text(9033));
            if (choose) {
                chooser->setDirectory(QDir::currentPath());
                QMetaObject::invokeMethod(chooser, "accept");
            } else {
                chooser->reject();
            }
        });
        const auto folder = framework::qt::ChooseKeyFolder();
        EXPECT_EQ(folder.has_value(), choose);
        if (folder) {
            EXPECT_TRUE(std::filesystem::equivalent(*folder, key.path()));
        }
    }
}

}  // namespace
