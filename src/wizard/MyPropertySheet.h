#pragma once
// The wizard: ten pages in a fixed order, opened on the page the start-up flow chose.

#include "framework/PropertySheet.h"
#include "wizard/PageConfigIP.h"
#include "wizard/PageMain.h"
#include "wizard/PageResetIP.h"
#include "wizard/PagesDone.h"
#include "wizard/PagesNesk.h"

namespace wizard {

class CMyPropertySheet : public framework::CPropertySheetEx {
  public:
    explicit CMyPropertySheet(int startPage);

    CMyPropertyPageMain m_pageMain;
    CMyPropertyPageConfigIP m_pageConfigIP;
    CMyPropertyPageConfigIPDone m_pageConfigIPDone;
    CMyPropertyPageResetPasswordDone m_pageResetPasswordDone;
    CMyPropertyPageResetIP m_pageResetIP;
    CMyPropertyPageResetIPDone m_pageResetIPDone;
    CMyPropertyPageExpand m_pageExpand;
    MyPropertyPageConfigNeskP1 m_pageNeskP1;
    MyPropertyPageConfigNeskP2 m_pageNeskP2;
    MyPropertyPageConfigNeskDone m_pageNeskDone;

  private:
    // The largest size any page needs in the current language and font, measured once on
    // pages of its own, one at a time, created and laid out but never shown or activated.
    static framework::WindowSize MeasuredPageSize();
};

}  // namespace wizard
