#include "framework/headless/Dialog.h"

#include "framework/Dialog.h"
#include "framework/headless/Backend.h"

namespace framework::headless {

HeadlessDialog::HeadlessDialog(CDialog& dialog, RecordFocus* focus)
    : dialog_(dialog),
      controls_(
          dialog.Template(),
          [&dialog](int id, Notify code) {
              if (code == Notify::Clicked) {
                  dialog.ButtonClicked(id);
              }
          },
          focus) {}

void HeadlessDialog::Open() {
    if (!opened_) {
        opened_ = true;
        dialog_.Initialize();
    }
}

int HeadlessDialog::RunModal() {
    Open();
    // What the user does while the dialog is up, where a caller has said (see OnModal).
    if (!ended_) {
        HeadlessBackend::RunModalHandler(dialog_);
    }
    return ended_ ? result_ : IDCANCEL;
}

}  // namespace framework::headless
