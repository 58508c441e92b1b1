// Pages are measured before the sheet is made, on records in the pages' font rather than in
// windows of their own: what they need must be what the same pages need in the sheet, in
// every language's texts, or the sheet would be made too small (and grow) or too large.
#include <gtest/gtest.h>

#include <functional>

#include "FakePlatform.h"
#include "PageDriver.h"
#include "TempDir.h"
#include "framework/Text.h"
#include "wizard/MyPropertySheet.h"
#include "wizard/ToolTitle.h"

// Then Windows.
#include "framework/win32/Win32Backend.h"
#include "framework/win32/Win32Platform.h"

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
        testing_support::TempKey key;
        framework::win32::Win32Platform platform(language);
        platform::Install(&platform);
        framework::SetApplicationName(LoadToolTitle());
        const auto driver = testing_support::MakePageDriver();
        CMyPropertySheet sheet(0);
        for (int index = 0; index < sheet.GetPageCount(); ++index) {
            sheet.SetActivePage(index);
            const WindowSize inSheet = sheet.GetPage(index)->Window()->Relayout();
            const WindowSize measured = alone[index]();
            EXPECT_EQ(measured.cx, inSheet.cx) << "language " << language << ", page " << index;
            EXPECT_EQ(measured.cy, inSheet.cy) << "language " << language << ", page " << index;
        }
        platform::Install(nullptr);
    }
}

}  // namespace
