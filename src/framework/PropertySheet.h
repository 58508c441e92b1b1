#pragma once
// The wizard sheet: pages in a fixed order above a Back / Next-or-Finish / Cancel bar, no
// tabs and no header. The pages' handlers choose where Next and Back lead.

#include <memory>
#include <vector>

#include "framework/Backend.h"

namespace framework {

class CPropertyPageEx;

enum WizardButtons { PSWIZB_BACK = 1, PSWIZB_NEXT = 2, PSWIZB_FINISH = 4 };

class CPropertySheetEx {
  public:
    explicit CPropertySheetEx(int startPage);
    virtual ~CPropertySheetEx();
    CPropertySheetEx(const CPropertySheetEx&) = delete;
    CPropertySheetEx& operator=(const CPropertySheetEx&) = delete;

    void AddPage(CPropertyPageEx* page);
    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    CPropertyPageEx* GetPage(int index) const { return pages_.at(index); }
    int GetActiveIndex() const { return active_; }
    CPropertyPageEx* GetActivePage() const;

    // Shows the start page (or the page made current before) and runs modally; 1 after
    // Finish, 2 after Cancel.
    int DoModal();
    // The code the sheet ended with: 0 while it runs.
    int Result() const { return result_; }

    // Posted: takes effect after the current handler has returned.
    void SetWizardButtons(int flags);
    int Buttons() const { return buttons_; }

    // Makes the page at `index` current (the window selects it and activates it); before the
    // sheet runs, the page it opens on.
    bool SetActivePage(int index);
    // The window shows the page at `index`: it is created on first use, then activated.
    void Activate(int index);
    // Every page gets this size (a backend's size).
    void SetPageSize(WindowSize size);

    // Where Next and Back lead from the current page: its handler names the target, then the
    // page reads its controls back and may refuse. The target's index, or -1 to stay (also
    // when the button is off). For a window whose toolkit moves to the page itself.
    int NextTarget();
    int BackTarget();

    // The user's actions, as the window reports them.
    void PressNext();
    void PressBack();
    void PressFinish();
    void Cancel();  // Cancel, the close box and Escape

    SheetWindow& Window() { return *window_; }

  private:
    int Target(int result, int step);
    int IndexOfTemplate(int templateId) const;
    void End(int result);

    std::unique_ptr<SheetWindow> window_;
    std::vector<CPropertyPageEx*> pages_;
    int startPage_ = 0;
    int active_ = -1;
    int buttons_ = 0;
    int result_ = 0;
    bool closing_ = false;
};

}  // namespace framework
