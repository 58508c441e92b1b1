#include "framework/PropertyPage.h"

#include "framework/PropertySheet.h"

namespace framework {

CPropertyPageEx::CPropertyPageEx(int templateId, const DialogTemplate& dialogTemplate)
    : templateId_(templateId), template_(dialogTemplate) {}

CPropertyPageEx::~CPropertyPageEx() = default;

void CPropertyPageEx::Create() {
    if (IsCreated()) {
        return;
    }
    window_ = sheet_ ? sheet_->Window().CreatePage(*this) : CurrentBackend().CreateLonePage(*this);
    OnInitDialog();
}

WindowSize CPropertyPageEx::Measure() {
    Create();
    return window_->Relayout(false);
}

bool CPropertyPageEx::UpdateData(bool save) {
    return RunDataExchange(window_->Ctl(), template_, save,
                           [this](DataExchange& dx) { DoDataExchange(dx); });
}

bool CPropertyPageEx::OnInitDialog() {
    UpdateData(false);
    return true;
}

bool CPropertyPageEx::OnSetActive() {
    // The controls were filled when the window was created; later activations reload them
    // from the members.
    if (firstActivation_) {
        firstActivation_ = false;
    } else {
        UpdateData(false);
    }
    return true;
}

}  // namespace framework
