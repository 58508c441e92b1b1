#include "wizard/MyPropertySheet.h"

#include <algorithm>

#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "wizard/ToolTitle.h"

namespace wizard {

namespace {

template <class Page>
framework::WindowSize NeededSize() {
    Page page;
    return page.Measure();
}

template <class... Pages>
framework::WindowSize LargestNeededSize() {
    framework::WindowSize size;
    auto grow = [&size](framework::WindowSize needed) {
        size.cx = std::max(size.cx, needed.cx);
        size.cy = std::max(size.cy, needed.cy);
    };
    (grow(NeededSize<Pages>()), ...);
    return size;
}

}  // namespace

CMyPropertySheet::CMyPropertySheet(int startPage) : CPropertySheetEx(startPage) {
    // The sheet's own caption (string 103) is never seen: every page brings the tool title.
    for (framework::CPropertyPageEx* page :
         {static_cast<framework::CPropertyPageEx*>(&m_pageMain),
          static_cast<framework::CPropertyPageEx*>(&m_pageConfigIP),
          static_cast<framework::CPropertyPageEx*>(&m_pageConfigIPDone),
          static_cast<framework::CPropertyPageEx*>(&m_pageResetPasswordDone),
          static_cast<framework::CPropertyPageEx*>(&m_pageResetIP),
          static_cast<framework::CPropertyPageEx*>(&m_pageResetIPDone),
          static_cast<framework::CPropertyPageEx*>(&m_pageExpand),
          static_cast<framework::CPropertyPageEx*>(&m_pageNeskP1),
          static_cast<framework::CPropertyPageEx*>(&m_pageNeskP2),
          static_cast<framework::CPropertyPageEx*>(&m_pageNeskDone)}) {
        AddPage(page);
    }
    // One window size from the first page on, whichever pages the user visits.
    SetPageSize(MeasuredPageSize());
}

framework::WindowSize CMyPropertySheet::MeasuredPageSize() {
    static std::wstring measuredFor;
    static framework::WindowSize measured;
    // Texts that differ between any two languages: what the size depends on, with the
    // desktop's font, which does not change while the program runs.
    const std::wstring key = platform::LoadText(IDS_SHEET_CAPTION) + L'\n' +
                             platform::LoadText(IDS_FW_NEXT) + L'\n' +
                             platform::LoadText(IDS_OPTION_NEW_SYSTEM);
    if (key != measuredFor) {
        measured = LargestNeededSize<CMyPropertyPageMain, CMyPropertyPageConfigIP,
                                     CMyPropertyPageConfigIPDone, CMyPropertyPageResetPasswordDone,
                                     CMyPropertyPageResetIP, CMyPropertyPageResetIPDone,
                                     CMyPropertyPageExpand, MyPropertyPageConfigNeskP1,
                                     MyPropertyPageConfigNeskP2, MyPropertyPageConfigNeskDone>();
        measuredFor = key;
    }
    return measured;
}

}  // namespace wizard
