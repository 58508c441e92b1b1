#include "framework/qt/Dialog.h"

#include "framework/Dialog.h"

namespace framework::qt {

void DialogBox::reject() {
    dialog_.OnCancel();
}

QtDialogWindow::QtDialogWindow(CDialog& dialog)
    : dialog_(dialog),
      box_(new DialogBox(dialog)),
      controls_(box_, dialog.Template(), [&dialog](int id, Notify code) {
          if (code == Notify::Clicked) {
              dialog.ButtonClicked(id);
          }
      }) {}

void QtDialogWindow::Open() {
    if (!opened_) {
        opened_ = true;
        dialog_.Initialize();
    }
}

QtDialogWindow::~QtDialogWindow() {
    delete box_.data();
}

void QtDialogWindow::SetCaption(const std::wstring& caption) {
    box_->setWindowTitle(QString::fromStdWString(caption));
}

void QtDialogWindow::Describe(const std::wstring& description) {
    box_->setAccessibleName(box_->windowTitle());
    box_->setAccessibleDescription(QString::fromStdWString(description));
}

}  // namespace framework::qt
