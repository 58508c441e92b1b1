// The start-up flow on the Win32 backend, under Wine: a key with the results of a successful
// initialisation shows the success dialog first, and its buttons lead where they should.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "FakePlatform.h"
#include "PageDriver.h"
#include "TempDir.h"
#include "Win32Test.h"
#include "Win32Windows.h"
#include "app/MyWizardApp.h"
#include "dialogs/ResultDialogs.h"
#include "framework/Text.h"
#include "platform/FileError.h"
#include "platform/StringIds.h"

// Then Windows.
#include "framework/win32/Backend.h"
#include "framework/win32/Platform.h"
#include "platform/Platform.h"

namespace tests {
namespace {

using tests::TempKey;

// The dialog on screen while a modal loop runs: its header, then a click on `button`.
struct Watch {
    std::wstring header;
    int button = 0;
};
Watch* watching = nullptr;

BOOL CALLBACK FindShown(HWND window, LPARAM) {
    if (!IsWindowVisible(window) || !GetDlgItem(window, 1001) || !watching) {
        return TRUE;
    }
    wchar_t text[256] = {};
    GetDlgItemTextW(window, 1001, text, 256);
    watching->header = text;
    PostMessageW(GetDlgItem(window, watching->button), BM_CLICK, 0, 0);
    return FALSE;
}

void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD) {
    if (watching && watching->header.empty()) {
        EnumThreadWindows(GetCurrentThreadId(), &FindShown, 0);
    }
}

TEST(Win32Startup, ASuccessfulInitialisationShowsItsDialogFirst) {
    TempKey key;
    tests::FakePlatform fake;
    framework::win32::Win32Backend backend;
    framework::InstallBackend(&backend);
    TempKey::CopyFixture(std::filesystem::path(K4400_FIXTURES) / "ipv4-init-ok");
    TempKey::Write("satask.txt", "satask resetpassword");
    Watch watch{L"", 1};  // Return to Main Menu
    watching = &watch;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &Poll);
    int start = -1;
    {
        app::CMyWizardApp application;  // removes the stale task file
        EXPECT_FALSE(TempKey::Exists("satask.txt"));
        start = application.ChooseStartPage();
    }
    KillTimer(nullptr, timer);
    watching = nullptr;
    EXPECT_EQ(watch.header, platform::LoadText(IDS_INIT_RESULTS_HEADING));
    EXPECT_EQ(start, 0);  // the main menu
    EXPECT_TRUE(fake.launches.empty());
    framework::InstallBackend(nullptr);
}

BOOL CALLBACK FindShownWindowOf(HWND window, LPARAM param) {
    auto* found = reinterpret_cast<std::pair<DWORD, HWND>*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == found->first && IsWindowVisible(window)) {
        found->second = window;
        return FALSE;
    }
    return TRUE;
}

// Starts `command` in `folder` (empty: here). For a program with windows (`answer` given),
// waits for its first window shown and hands it to `answer`, which closes it (true) or leaves
// the program to be ended here (false). Returns the exit code.
DWORD RunProgram(std::wstring command, const std::wstring& folder,
                 const std::function<bool(HWND)>& answer = nullptr) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        return 255;
    }
    if (answer) {
        std::pair<DWORD, HWND> found{process.dwProcessId, nullptr};
        for (int waited = 0; !found.second && waited < 3000; ++waited) {
            EnumWindows(&FindShownWindowOf, reinterpret_cast<LPARAM>(&found));
            Sleep(10);
        }
        EXPECT_NE(found.second, nullptr) << "the program showed no window";
        if (!found.second || !answer(found.second)) {
            TerminateProcess(process.hProcess, 0);
        }
    }
    DWORD exitCode = 255;
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 255);
    }
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

// Started from a menu or a shortcut with --choose-key, the program first asks for the key
// folder; cancelled, it ends at once, writing nothing. A key folder that cannot be entered is
// said in the user's language, and nothing else happens.
TEST(Win32Startup, TheKeyFolderChosenOrNamed) {
    TempKey key;
    tests::FakePlatform fake;
    fake.loader = tests::EnglishText;
    platform::Install(&fake);
    EXPECT_EQ(RunProgram(L"\"" K4400_PROGRAM "\" --choose-key", L"",
                         [](HWND chooser) {
                             EXPECT_EQ(tests::TextOf(chooser),
                                       platform::LoadText(IDS_FW_CHOOSE_KEY));
                             PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
                             return true;
                         }),
              0u);
    EXPECT_FALSE(TempKey::Exists("satask.txt"));
    EXPECT_EQ(RunProgram(L"\"" K4400_PROGRAM "\" nowhere", L"",
                         [](HWND box) {
                             wchar_t text[1024] = {};
                             GetDlgItemTextW(box, 0xFFFF, text, 1024);  // a message box's text
                             EXPECT_EQ(std::wstring(text),
                                       platform::DescribeFileError(
                                           platform::FileErrorCause::NotFound, L"nowhere"));
                             PostMessageW(box, WM_COMMAND, IDOK, 0);
                             return true;
                         }),
              2u);
    platform::Install(nullptr);
}

// Started in the Windows folder (where "Run as administrator" starts programs), each program
// works in the folder that holds it, the key it runs from: the wizard removes the key's
// stale task file there, read-only as it is, and the command line writes its task there.
TEST(Win32Startup, StartedInTheWindowsFolderTheProgramsWorkOnTheirKey) {
    TempKey key;
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::copy_file(K4400_PROGRAM, here / "k4400-init.exe");
    std::filesystem::copy_file(K4400_CLI_PROGRAM, here / "k4400-init-cli.exe");
    TempKey::Write("satask.txt", "satask mkcluster -clusterip 1.2.3.4 -gw 1.2.3.1 -mask 255.0.0.0");
    SetFileAttributesW(L"satask.txt", FILE_ATTRIBUTE_READONLY);
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    ASSERT_FALSE(std::filesystem::exists(std::filesystem::path(windows) / "satask.txt"));
    RunProgram(L"\"" + (here / "k4400-init.exe").wstring() + L"\"", windows,
               [](HWND) { return false; });
    EXPECT_FALSE(TempKey::Exists("satask.txt")) << "the stale task file stayed on the key";
    EXPECT_EQ(
        RunProgram(L"\"" + (here / "k4400-init-cli.exe").wstring() + L"\" reset-password", windows),
        0u);
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask resetpassword");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(windows) / "satask.txt"));
}

// The table follows the Windows interface language; English when none of the ten matches.
TEST(Win32Language, UserLanguagesMapToTables) {
    const std::pair<LANGID, LANGID> cases[] = {
        {MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN_AUSTRIAN), MAKELANGID(LANG_GERMAN, 1)},
        {MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH_CANADIAN), MAKELANGID(LANG_FRENCH, 1)},
        {MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MEXICAN), MAKELANGID(LANG_SPANISH, 3)},
        {MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE), MAKELANGID(LANG_PORTUGUESE, 1)},
        {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_HONGKONG), MAKELANGID(LANG_CHINESE, 1)},
        {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SINGAPORE), MAKELANGID(LANG_CHINESE, 2)},
        {MAKELANGID(LANG_JAPANESE, 1), MAKELANGID(LANG_JAPANESE, 1)},
        {MAKELANGID(LANG_DUTCH, 1), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)},
        {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK),
         MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)},
    };
    for (const auto& [user, table] : cases) {
        EXPECT_EQ(framework::win32::ChooseLanguage(user), table) << std::hex << user;
    }
    // Every table is in the program, and a text missing from one would show English.
    for (const auto& [user, table] : cases) {
        framework::win32::Win32Platform platform(table);
        EXPECT_FALSE(platform.LoadString(104).empty()) << std::hex << table;
        EXPECT_EQ(platform.LoadString(100), L"Veltara K4400");
    }
}

// A launch that cannot happen is told in a message box the dialog owns: the dialog is
// disabled behind it, so no second click stacks a second message or is lost.
struct OwnedMessage {
    HWND dialog = nullptr;
    HWND owner = nullptr;
    bool dialogEnabled = true;
    bool seen = false;
};
OwnedMessage* owned = nullptr;

BOOL CALLBACK FindMessageBox(HWND window, LPARAM) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (!owned || window == owned->dialog || !IsWindowVisible(window) ||
        lstrcmpW(name, L"#32770") != 0) {
        return TRUE;
    }
    owned->seen = true;
    owned->owner = GetWindow(window, GW_OWNER);
    owned->dialogEnabled = IsWindowEnabled(owned->dialog) != FALSE;
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK PollMessageBox(HWND, UINT, UINT_PTR, DWORD) {
    if (owned && !owned->seen) {
        EnumThreadWindows(GetCurrentThreadId(), &FindMessageBox, 0);
    }
}

// Windows' own message boxes, and no browser.
class NoBrowser final : public platform::Platform {
  public:
    int ShowMessage(const platform::MessageRequest& request) override {
        return windows_.ShowMessage(request);
    }
    std::wstring LoadString(int id) override { return windows_.LoadString(id); }
    bool OpenUrl(const std::wstring&) override { return false; }
    [[noreturn]] void EndProgram(int exitCode) override { std::_Exit(exitCode); }

  private:
    framework::win32::Win32Platform windows_{MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)};
};

TEST(Win32Startup, ALaunchMessageBelongsToTheDialogThatAsked) {
    TempKey key;
    NoBrowser platform;
    platform::Install(&platform);
    const auto driver = tests::MakePageDriver();
    dialogs::CConfigNeskFailureDlg dialog;  // Launch Info Center: the dialog stays
    dialog.Create();
    driver->Show(dialog);
    OwnedMessage message{framework::win32::DialogHandle(dialog)};
    owned = &message;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &PollMessageBox);
    driver->Click(dialog, 1126);
    KillTimer(nullptr, timer);
    owned = nullptr;
    EXPECT_TRUE(message.seen);
    EXPECT_EQ(message.owner, message.dialog);
    EXPECT_FALSE(message.dialogEnabled);
    EXPECT_TRUE(IsWindowEnabled(message.dialog));  // and live again once it is answered
    platform::Install(nullptr);
}

}  // namespace
}  // namespace tests
