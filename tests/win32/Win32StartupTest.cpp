// The start-up flow on the Win32 backend, under Wine: a key with the results of a successful
// initialisation shows the success dialog first, and its buttons lead where they should.
#include <gtest/gtest.h>

#include <filesystem>

#include "FakePlatform.h"
#include "TempDir.h"
#include "app/MyWizardApp.h"
#include "framework/Text.h"
#include "platform/StringIds.h"

// Then Windows.
#include "framework/win32/Win32Backend.h"
#include "framework/win32/Win32Platform.h"

namespace {

using testing_support::TempKey;

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
    testing_support::FakePlatform fake;
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
    EXPECT_EQ(watch.header, framework::LoadText(IDS_INIT_RESULTS_HEADING));
    EXPECT_EQ(start, 0);  // the main menu
    EXPECT_TRUE(fake.launches.empty());
    framework::InstallBackend(nullptr);
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

}  // namespace
