#include "wizard/MyPropertySheet.h"

#include "framework/QtPlatform.h"
#include "platform/StringIds.h"
#include "wizard/ToolTitle.h"

namespace wizard {

namespace {

template <class Page>
QSize NeededSize() {
    Page page;
    page.Create();
    return page.Relayout(false);
}

template <class... Pages>
QSize LargestNeededSize() {
    QSize size;
    ((size = size.expandedTo(NeededSize<Pages>())), ...);
    return size;
}

}  // namespace

CMyPropertySheet::CMyPropertySheet(int startPage, QWidget* parent)
    : CPropertySheetEx(startPage, parent) {
    // The sheet's own caption is never seen: every page brings the tool title.
    setWindowTitle(framework::LoadQString(IDS_SHEET_CAPTION));
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

QSize CMyPropertySheet::MeasuredPageSize() {
    static QString measuredFor;
    static QSize measured;
    // Texts that differ between any two languages, and the font: what the size depends on.
    const QString key = framework::LoadQString(IDS_SHEET_CAPTION) + '\n' +
                        framework::LoadQString(IDS_FW_NEXT) + '\n' +
                        framework::LoadQString(IDS_OPTION_NEW_SYSTEM) + '\n' + font().toString();
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
