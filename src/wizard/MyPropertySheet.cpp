#include "wizard/MyPropertySheet.h"

#include "framework/QtPlatform.h"
#include "platform/StringIds.h"
#include "wizard/ToolTitle.h"

namespace wizard {

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
}

}  // namespace wizard
