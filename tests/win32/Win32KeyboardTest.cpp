// The keyboard on Windows' own dialog manager, keys posted as messages (press, then release)
// to the window with the focus, where the modal loop Windows runs takes them: the keyboard
// tables, arrows among the main menu's choices, Tab round every screen.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "FakePlatform.h"
#include "KeyScripts.h"
#include "PageDriver.h"
#include "Screens.h"
#include "TempDir.h"
#include "Win32Modal.h"
#include "Win32Test.h"
#include "wizard/MyPropertySheet.h"

// Then Windows.
#include "framework/win32/Backend.h"
#include "framework/win32/Platform.h"

#include <prsht.h>

namespace tests {
namespace {

using wizard::CMyPropertyPageMain;

// A key's messages as a keyboard makes them, to the window that has the focus, for the modal
// loop's dialog manager; its character (WM_CHAR, or WM_SYSCHAR with Alt) comes from Windows'
// translation of the key, as for a real key.
void SendKey(UINT key, bool shift = false, bool alt = false) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(state);
    const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    const UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
    const LPARAM context = alt ? 0x20000000 : 0;
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    for (UINT message : {down, up}) {
        PostMessageW(GetFocus(), message, key,
                     1 | scan | context | (message == up ? 0xC0000000 : 0));
        tests::SettleModal();  // the key, then the character it made
    }
    state[VK_SHIFT] = 0;
    state[VK_MENU] = 0;
    SetKeyboardState(state);
    tests::SettleModal();
}

// A key pressed and released in the window that has the focus.
void Key(HWND, UINT key, bool shift = false) {
    SendKey(key, shift);
}

// One step of a key script: `sheet` is the wizard's window, when it is on screen.
void Press(const tests::KeyStep& step, HWND sheet) {
    if (step.key.empty()) {
        const SHORT scan = VkKeyScanW(step.character);
        SendKey(LOBYTE(scan), (HIBYTE(scan) & 1) != 0);
    } else if (step.key == "Next") {
        SendMessageW(GetDlgItem(sheet, 0x3024), BM_CLICK, 0, 0);  // as the mouse clicks it
        tests::SettleModal();
    } else if (step.key.starts_with("A-")) {
        SendKey(static_cast<UINT>(step.key[2]), false, true);
    } else {
        static const std::map<std::string, std::pair<UINT, bool>> keys = {
            {"Tab", {VK_TAB, false}},      {"S-Tab", {VK_TAB, true}},
            {"Enter", {VK_RETURN, false}}, {"Esc", {VK_ESCAPE, false}},
            {"Up", {VK_UP, false}},        {"Down", {VK_DOWN, false}},
            {"Left", {VK_LEFT, false}},    {"Right", {VK_RIGHT, false}},
        };
        const auto& [key, shift] = keys.at(step.key);
        SendKey(key, shift);
    }
}

TEST(Win32Keyboard, ArrowsChooseAndTabLeavesTheChoices) {
    tests::ShownWizard shown;
    const auto& driver = shown.driver;
    wizard::CMyPropertySheet& sheet = *shown.sheet;
    HWND window = shown.Window();
    SetForegroundWindow(window);
    CMyPropertyPageMain& page = sheet.m_pageMain;
    page.Ctl().Focus(CMyPropertyPageMain::IDC_NEW_SYSTEM);
    tests::SettleModal();
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
    tests::TempKey key;
    tests::FakePlatform fake;
    fake.loader = tests::EnglishText;
    const auto driver = tests::MakePageDriver();
    int screens = 0;
    tests::VisitAllScreens(*driver, [&](const std::string& name, const tests::Screen& screen) {
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
    EXPECT_EQ(screens, tests::kScreenCount);
}

// The keyboard table: the address typed is the address written, access keys, and the done
// pages answering Enter and Esc however the user arrived on them.
TEST(Win32Keyboard, TheAddressTypedIsTheAddressWritten) {
    for (const tests::KeyCase& c : tests::KeyCases()) {
        SCOPED_TRACE(c.name);
        tests::ShownWizard shown;
        wizard::CMyPropertySheet& sheet = *shown.sheet;
        SetForegroundWindow(shown.Window());
        tests::SettleModal();
        tests::TypeAndExpect(c, sheet,
                             [&](const tests::KeyStep& step) { Press(step, shown.Window()); });
    }
}

// Enter presses the button that has the focus, which the dialog manager makes the default
// one as the focus reaches it; the default of the template is the one for no focused button.
TEST(Win32Keyboard, EnterInAResultDialogPressesTheFocusedButton) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    tests::TempKey key;
    tests::FakePlatform fake;
    fake.loader = tests::EnglishText;
    const auto driver = tests::MakePageDriver();
    for (const tests::DialogKeyCase& c : tests::DialogKeyCases()) {
        SCOPED_TRACE(c.name);
        auto dialog = c.make();
        driver->Open(*dialog);
        SetForegroundWindow(framework::win32::DialogHandle(*dialog));
        tests::SettleModal();
        tests::TypeAndExpect(c, *dialog, fake, [&] {
            for (const tests::KeyStep& step : tests::ParseKeys(c.keys)) {
                Press(step, nullptr);
            }
        });
        driver->Close(*dialog);
    }
}

// The sheet opens in the middle of the screen's work area, as the result dialogs do.
TEST(Win32Keyboard, TheSheetOpensCentred) {
    tests::ShownWizard shown;
    RECT frame;
    GetWindowRect(shown.Window(), &frame);
    POINT pointer{};
    GetCursorPos(&pointer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    EXPECT_NEAR((frame.left + frame.right) / 2, (work.left + work.right) / 2, 2);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, (work.top + work.bottom) / 2, 2);
}

}  // namespace
}  // namespace tests
