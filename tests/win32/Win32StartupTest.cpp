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

}  // namespace
