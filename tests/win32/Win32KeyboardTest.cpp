// The keyboard on Windows' own dialog manager, keys sent as messages (press, then release)
// through the sheet's dialog message handling: arrows move among the main menu's choices and
// choose them, Tab leaves the choices for the buttons and comes back to the chosen one.
#include <gtest/gtest.h>

#include <set>

#include "FakePlatform.h"
#include "PageDriver.h"
#include "Screens.h"
#include "TempDir.h"
#include "Win32Test.h"
#include "wizard/MyPropertySheet.h"

// Then Windows.
#include "framework/win32/Win32Backend.h"
#include "framework/win32/Win32Platform.h"

#include <prsht.h>

namespace {

using wizard::CMyPropertyPageMain;

// A key pressed and released in `window`, a sheet or a dialog, as the program's message loop
// hands it to the dialog manager.
void Key(HWND window, UINT key, bool shift = false) {
    if (shift) {
        // The dialog manager reads Shift's state from the keyboard.
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_SHIFT] = 0x80;
        SetKeyboardState(state);
    }
    for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
        MSG msg{GetFocus(), message, key, message == WM_KEYUP ? 0xC0000001 : 1, 0, {}};
        const bool handled = GetDlgItem(window, IDCANCEL) && GetDlgItem(window, 0x3024)
                                 ? PropSheet_IsDialogMessage(window, &msg)
                                 : IsDialogMessageW(window, &msg);
        if (!handled) {
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
    testing_support::ShownWizard shown;
    const auto& driver = shown.driver;
    wizard::CMyPropertySheet& sheet = *shown.sheet;
    HWND window = shown.Window();
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

// The child of `window` that holds `focus`, or `focus` itself when it is outside.
HWND ChildHolding(HWND window, HWND focus) {
    for (HWND w = focus; w; w = GetParent(w)) {
        if (GetParent(w) == window) {
            return w;
        }
    }
    return focus;
}

// Tab, pressed round each screen from its first control, reaches every control that takes
// the keyboard (the chosen button of a radio group standing for its group).
TEST(Win32Keyboard, TabReachesEveryControlOnEveryScreen) {
    testing_support::TempKey key;
    testing_support::FakePlatform fake;
    fake.loader = testing_support::EnglishText;
    const auto driver = testing_support::MakePageDriver();
    int screens = 0;
    gallery::VisitAllScreens(*driver, [&](const std::string& name, const gallery::Screen& screen) {
        ++screens;
        HWND window = screen.sheet ? framework::win32::SheetHandle(*screen.sheet)
                                   : framework::win32::DialogHandle(*screen.dialog);
        HWND controls =
            screen.sheet ? framework::win32::PageHandle(*screen.sheet->GetActivePage()) : window;
        SetForegroundWindow(window);
        SetFocus(GetNextDlgTabItem(controls, nullptr, FALSE));
        std::set<HWND> reached;
        for (int presses = 0; presses < 60; ++presses) {
            reached.insert(ChildHolding(controls, GetFocus()));
            Key(window, VK_TAB);
        }
        for (HWND child = GetWindow(controls, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const LONG style = GetWindowLongW(child, GWL_STYLE);
            if ((style & WS_TABSTOP) && IsWindowVisible(child) && IsWindowEnabled(child)) {
                EXPECT_TRUE(reached.count(child))
                    << name << ": Tab never reaches control " << GetDlgCtrlID(child);
            }
        }
    });
    EXPECT_EQ(screens, 21);
}

}  // namespace
