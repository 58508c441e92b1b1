#include "framework/Dialog.h"

#include <QPushButton>

namespace framework {

CDialog::CDialog(int templateId, const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), DialogBase(this), templateId_(templateId), template_(dialogTemplate) {}

void CDialog::Create() {
    if (host_.IsCreated()) {
        return;
    }
    host_.Create(template_);
    for (int id : host_.Ids()) {
        if (auto* button = host_.ItemAs<QPushButton>(id)) {
            connect(button, &QPushButton::clicked, this, [this, id] {
                if (id == IDOK) {
                    OnOK();
                } else if (id == IDCANCEL) {
                    OnCancel();
                } else {
                    OnCommand(id);
                }
            });
        }
    }
    OnInitDialog();
    setFixedSize(host_.Relayout());
}

int CDialog::DoModal() {
    Create();
    return exec();
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
