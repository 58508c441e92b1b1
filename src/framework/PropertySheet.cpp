#include "framework/PropertySheet.h"

#include "framework/PropertyPage.h"

namespace framework {
namespace {

// The control a page's keyboard user starts on: the first in the template's order that
// takes the keyboard, shown and enabled; for a radio button, the checked one of its group.
int FirstKeyboardControl(const DialogTemplate& dialogTemplate, const Controls& controls) {
    auto usable = [&controls](int id) { return controls.IsShown(id) && controls.IsEnabled(id); };
    for (const ControlSpec& row : dialogTemplate.controls) {
        if (row.kind == ControlKind::Static || row.kind == ControlKind::Picture ||
            (row.style & kNoFocus) || !usable(row.id)) {
            continue;
        }
        if (row.kind == ControlKind::Radio) {
            for (int member : dialogTemplate.RadioGroup(row.id)) {
                if (controls.IsChecked(member) && usable(member)) {
                    return member;
                }
            }
        }
        return row.id;
    }
    return 0;
}

}  // namespace

CPropertySheetEx::CPropertySheetEx(int startPage)
    : window_(CurrentBackend().CreateSheet(*this)), startPage_(startPage) {}

CPropertySheetEx::~CPropertySheetEx() = default;

void CPropertySheetEx::AddPage(CPropertyPageEx* page) {
    page->SetSheet(this);
    pages_.push_back(page);
}

CPropertyPageEx* CPropertySheetEx::GetActivePage() const {
    return active_ >= 0 ? pages_.at(active_) : nullptr;
}

int CPropertySheetEx::DoModal() {
    return window_->RunModal(startPage_);
}

void CPropertySheetEx::SetWizardButtons(int flags) {
    window_->Post([this, flags] {
        buttons_ = flags;
        window_->ApplyButtons(flags);
    });
}

void CPropertySheetEx::SetPageSize(WindowSize size) {
    window_->SetPageSize(size);
}

bool CPropertySheetEx::SetActivePage(int index) {
    if (index < 0 || index >= GetPageCount()) {
        return false;
    }
    window_->SelectPage(index);
    return true;
}

void CPropertySheetEx::Activate(int index) {
    CPropertyPageEx* page = pages_.at(index);
    active_ = index;
    page->Create();
    window_->ShowPage(index, page->Caption());
    page->OnSetActive();
    window_->PageActivated(index);
    // The focus stays where the page's handlers put it; else the page's first control takes
    // it, or the default button when the page has none (once the page's buttons are
    // applied): never a control of the page left behind, never nothing. Given once the
    // window has finished showing the page, which may move the focus itself.
    int focus = page->Window()->FocusedControl();
    if (focus == 0) {
        focus = FirstKeyboardControl(page->Template(), page->Ctl());
    }
    window_->Post([this, index, focus] {
        if (active_ != index) {
            return;  // another page came meanwhile
        }
        if (focus != 0) {
            pages_[index]->Ctl().Focus(focus);
        } else {
            window_->FocusDefaultButton();
        }
    });
}

int CPropertySheetEx::IndexOfTemplate(int templateId) const {
    for (int i = 0; i < GetPageCount(); ++i) {
        if (pages_[i]->GetTemplateId() == templateId) {
            return i;
        }
    }
    return -1;
}

int CPropertySheetEx::Target(int result, int step) {
    if (result == -1 || !GetActivePage()->OnKillActive()) {
        return -1;
    }
    const int target = result == 0 ? active_ + step : IndexOfTemplate(result);
    return target >= 0 && target < GetPageCount() ? target : -1;
}

int CPropertySheetEx::NextTarget() {
    if (!GetActivePage() || !(buttons_ & PSWIZB_NEXT) || (buttons_ & PSWIZB_FINISH)) {
        return -1;
    }
    return Target(GetActivePage()->OnWizardNext(), +1);
}

int CPropertySheetEx::BackTarget() {
    if (!GetActivePage() || !(buttons_ & PSWIZB_BACK)) {
        return -1;
    }
    return Target(GetActivePage()->OnWizardBack(), -1);
}

void CPropertySheetEx::PressNext() {
    SetActivePage(NextTarget());
}

void CPropertySheetEx::PressBack() {
    SetActivePage(BackTarget());
}

void CPropertySheetEx::PressFinish() {
    if (buttons_ & PSWIZB_FINISH) {
        End(1);
    }
}

void CPropertySheetEx::Cancel() {
    if (closing_) {
        return;
    }
    closing_ = true;
    for (CPropertyPageEx* page : pages_) {
        if (page->IsCreated()) {
            page->OnCancel();
        }
    }
    End(2);
}

void CPropertySheetEx::End(int result) {
    result_ = result;
    window_->End(result);
}

}  // namespace framework
