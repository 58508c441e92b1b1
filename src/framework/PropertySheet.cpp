#include "framework/PropertySheet.h"

#include "framework/PropertyPage.h"

namespace framework {

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
    SetActivePage(startPage_);
    return window_->RunModal();
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
    CPropertyPageEx* page = pages_[index];
    active_ = index;
    page->Create();
    window_->ShowPage(index, page->Caption());
    page->OnSetActive();
    window_->PageActivated(index);
    return true;
}

int CPropertySheetEx::IndexOfTemplate(int templateId) const {
    for (int i = 0; i < GetPageCount(); ++i) {
        if (pages_[i]->GetTemplateId() == templateId) {
            return i;
        }
    }
    return -1;
}

void CPropertySheetEx::Move(int result, int step) {
    CPropertyPageEx* page = GetActivePage();
    if (result == -1 || !page->OnKillActive()) {
        return;
    }
    const int target = result == 0 ? active_ + step : IndexOfTemplate(result);
    SetActivePage(target);
}

void CPropertySheetEx::PressNext() {
    if ((buttons_ & PSWIZB_NEXT) && !(buttons_ & PSWIZB_FINISH)) {
        Move(GetActivePage()->OnWizardNext(), +1);
    }
}

void CPropertySheetEx::PressBack() {
    if (buttons_ & PSWIZB_BACK) {
        Move(GetActivePage()->OnWizardBack(), -1);
    }
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
