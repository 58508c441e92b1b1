// The keyboard on Windows' own dialog manager, keys sent as messages (press, then release)
// through the sheet's dialog message handling: arrows move among the main menu's choices and
// choose them, Tab leaves the choices for the buttons and comes back to the chosen one.
#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "PageDriver.h"
#include "TempDir.h"
#include "wizard/MyPropertySheet.h"

// Then Windows.
#include "framework/win32/Win32Backend.h"
#include "framework/win32/Win32Platform.h"

#include <prsht.h>

namespace {

using wizard::CMyPropertyPageMain;

void Key(HWND sheet, UINT key, bool shift = false) {
    if (shift) {
        // The dialog manager reads Shift's state from the keyboard.
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_SHIFT] = 0x80;
        SetKeyboardState(state);
    }
    for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
        MSG msg{GetFocus(), message, key, message == WM_KEYUP ? 0xC0000001 : 1, 0, {}};
        if (!PropSheet_IsDialogMessage(sheet, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (shift) {
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }
    framework::win32::PumpMessages();
}

TEST(Win32Keyboard, ArrowsChooseAndTabLeavesTheChoices) {
    testing_support::TempKey key;
    testing_support::FakePlatform fake;
    fake.loader = [](int id) { return framework::win32::Win32Platform(0x409).LoadString(id); };
    const auto driver = testing_support::MakePageDriver();
    wizard::CMyPropertySheet sheet(0);
    sheet.SetActivePage(0);
    driver->Show(sheet);
    HWND window = framework::win32::SheetHandle(sheet);
    SetForegroundWindow(window);
    CMyPropertyPageMain& page = sheet.m_pageMain;
    page.Ctl().Focus(CMyPropertyPageMain::IDC_NEW_SYSTEM, false);
    framework::win32::PumpMessages();
    ASSERT_EQ(driver->Focused(page), CMyPropertyPageMain::IDC_NEW_SYSTEM);

    // Down through the four choices, over the heading between them.
    for (int id : {CMyPropertyPageMain::IDC_ADD_ENCLOSURE, CMyPropertyPageMain::IDC_RESET_PASSWORD,
                   CMyPropertyPageMain::IDC_SERVICE_IP}) {
        Key(window, VK_DOWN);
        EXPECT_EQ(driver->Focused(page), id);
        EXPECT_TRUE(page.Ctl().IsChecked(id)) << id;
    }
    Key(window, VK_UP);
    EXPECT_TRUE(page.Ctl().IsChecked(CMyPropertyPageMain::IDC_RESET_PASSWORD));
    EXPECT_FALSE(page.Ctl().IsChecked(CMyPropertyPageMain::IDC_SERVICE_IP));

    // Tab goes on to the sheet's buttons; Shift+Tab comes back to the chosen one.
    Key(window, VK_TAB);
    EXPECT_EQ(driver->Focused(page), 0) << "Tab stays among the choices";
    Key(window, VK_TAB, true);
    EXPECT_EQ(driver->Focused(page), CMyPropertyPageMain::IDC_RESET_PASSWORD);

    // Enter presses Next: the reset page follows.
    Key(window, VK_RETURN);
    EXPECT_EQ(sheet.GetActivePage(), &sheet.m_pageResetPasswordDone);
}

}  // namespace
