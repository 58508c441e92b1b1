#include "framework/Dialog.h"

namespace framework {

CDialog::CDialog(int templateId, const DialogTemplate& dialogTemplate)
    : templateId_(templateId), template_(dialogTemplate) {}

CDialog::~CDialog() = default;

void CDialog::Create() {
    if (!window_) {
        window_ = CurrentBackend().CreateDialogWindow(*this);
    }
    window_->Open();
}

int CDialog::DoModal() {
    if (!window_) {
        window_ = CurrentBackend().CreateDialogWindow(*this);
    }
    result_ = 0;
    return window_->RunModal();
}

void CDialog::Initialize() {
    OnInitDialog();
    window_->Relayout();
}

void CDialog::EndDialog(int result) {
    result_ = result;
    window_->End(result);
}

bool CDialog::UpdateData(bool save) {
    return RunDataExchange(window_->Ctl(), template_, save,
                           [this](DataExchange& dx) { DoDataExchange(dx); });
}

void CDialog::ButtonClicked(int id) {
    if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    } else {
        OnCommand(id);
    }
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

}  // namespace framework
