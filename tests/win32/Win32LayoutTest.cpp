// Pages are measured before the sheet is made, on records in the pages' font rather than in
// windows of their own: what they need must be what the same pages need in the sheet, in
// every language's texts, or the sheet would be made too small (and grow) or too large.
#include <gtest/gtest.h>

#include <functional>

#include "FakePlatform.h"
#include "PageDriver.h"
#include "TempDir.h"
#include "Win32Test.h"
#include "dialogs/ResultDialogs.h"
#include "framework/Text.h"
#include "wizard/MyPropertySheet.h"
#include "wizard/ToolTitle.h"

// Then Windows.
#include "framework/win32/Backend.h"
#include "framework/win32/Platform.h"

namespace tests {
namespace {

using framework::WindowSize;

template <class Page>
WindowSize MeasuredAlone() {
    Page page;
    return page.Measure();
}

TEST(Win32Layout, PagesMeasuredAloneNeedWhatTheyNeedInTheSheet) {
    using namespace wizard;
    const std::function<WindowSize()> alone[] = {
        MeasuredAlone<CMyPropertyPageMain>,         MeasuredAlone<CMyPropertyPageConfigIP>,
        MeasuredAlone<CMyPropertyPageConfigIPDone>, MeasuredAlone<CMyPropertyPageResetPasswordDone>,
        MeasuredAlone<CMyPropertyPageResetIP>,      MeasuredAlone<CMyPropertyPageResetIPDone>,
        MeasuredAlone<CMyPropertyPageExpand>,       MeasuredAlone<MyPropertyPageConfigNeskP1>,
        MeasuredAlone<MyPropertyPageConfigNeskP2>,  MeasuredAlone<MyPropertyPageConfigNeskDone>};
    for (LANGID language :
         {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN),
          MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH)}) {
        tests::TempKey key;
        framework::win32::Win32Platform platform(language);
        platform::Install(&platform);
        framework::SetApplicationName(LoadToolTitle());
        const auto driver = tests::MakePageDriver();
        CMyPropertySheet sheet(0);
        driver->Show(sheet);
        for (int index = 0; index < sheet.GetPageCount(); ++index) {
            sheet.SetActivePage(index);
            driver->Settle(sheet);
            const WindowSize inSheet = sheet.GetPage(index)->Window()->Relayout();
            const WindowSize measured = alone[index]();
            EXPECT_EQ(measured.cx, inSheet.cx) << "language " << language << ", page " << index;
            EXPECT_EQ(measured.cy, inSheet.cy) << "language " << language << ", page " << index;
        }
        driver->Close(sheet);
        platform::Install(nullptr);
    }
}

RECT RectIn(HWND window, HWND parent) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// A text set after the sheet was made (an address typed, a result read) that needs more room
// than the pages have grows the sheet: the page keeps all its controls, the buttons move
// down with the sheet's bottom and stay below the page.
TEST(Win32Layout, ATextLongerThanThePageGrowsTheSheet) {
    tests::ShownWizard shown;
    wizard::CMyPropertySheet& sheet = *shown.sheet;
    HWND sheetWindow = shown.Window();
    HWND pageWindow = framework::win32::PageHandle(sheet.m_pageMain);
    RECT before;
    GetWindowRect(sheetWindow, &before);

    // The last choice, far longer than any translation of it.
    std::wstring text;
    for (int i = 0; i < 20; ++i) {
        text += L"a text much longer than the page was measured for ";
    }
    sheet.m_pageMain.Ctl().SetText(wizard::CMyPropertyPageMain::IDC_SERVICE_IP, text);
    sheet.SetActivePage(0);  // laid out again on activation
    shown.driver->Settle(sheet);

    RECT after;
    GetWindowRect(sheetWindow, &after);
    RECT pageClient;
    GetClientRect(pageWindow, &pageClient);
    for (HWND child = GetWindow(pageWindow, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        EXPECT_TRUE(Inside(RectIn(child, pageWindow), pageClient))
            << "control " << GetDlgCtrlID(child) << " leaves the grown page";
    }
    RECT sheetClient;
    GetClientRect(sheetWindow, &sheetClient);
    const RECT pageInSheet = RectIn(pageWindow, sheetWindow);
    EXPECT_TRUE(Inside(pageInSheet, sheetClient));
    for (int button : {IDCANCEL, 0x3024 /* Next */}) {
        const RECT rect = RectIn(GetDlgItem(sheetWindow, button), sheetWindow);
        EXPECT_TRUE(Inside(rect, sheetClient)) << "button " << button;
        EXPECT_GE(rect.top, pageInSheet.bottom) << "button " << button;
    }
}

// A text from a key scrolls in its box when it is longer, with the scroll bar; a short one
// shows no bar.
TEST(Win32Layout, AScrollingTextShowsItsBarOnlyWhenItIsLonger) {
    tests::TempKey key;
    tests::FakePlatform fake;
    fake.loader = EnglishText;
    const auto driver = tests::MakePageDriver();
    std::wstring lines;
    for (int i = 0; i < 30; ++i) {
        lines += L"cmmvc5706e an invalid argument has been entered\n";
    }
    const std::pair<std::wstring, bool> cases[] = {
        {L"cmmvc5706e failed", false}, {lines, true}, {std::wstring(20000, L'x'), true}};
    for (const auto& [text, bar] : cases) {
        dialogs::CConfigIPFailureDlg dialog;
        dialog.m_strError = text;
        dialog.Create();
        driver->Show(dialog);
        HWND error = GetDlgItem(framework::win32::DialogHandle(dialog),
                                dialogs::CConfigIPFailureDlg::IDC_ERROR);
        EXPECT_EQ((GetWindowLongW(error, GWL_STYLE) & WS_VSCROLL) != 0, bar) << text.size();
    }
}

}  // namespace
}  // namespace tests
