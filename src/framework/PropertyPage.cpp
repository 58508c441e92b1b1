#include "framework/PropertyPage.h"

#include "framework/PropertySheet.h"

namespace framework {

CPropertyPageEx::CPropertyPageEx(int templateId, const DialogTemplate& dialogTemplate)
    : DialogBase(this), templateId_(templateId), template_(dialogTemplate) {}

void CPropertyPageEx::Create() {
    if (IsCreated()) {
        return;
    }
    host_.Create(template_);
    OnInitDialog();
}

CPropertySheetEx* CPropertyPageEx::GetSheet() const {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* sheet = qobject_cast<CPropertySheetEx*>(w)) {
            return sheet;
        }
    }
    return nullptr;
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
