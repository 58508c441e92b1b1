#pragma once
// A modal dialog on Qt Widgets: a QDialog holding the dialog's controls; the close box and
// Escape are the dialog's Cancel.

#include <QDialog>
#include <QPointer>

#include "framework/Backend.h"
#include "framework/qt/Controls.h"

namespace framework::qt {

class DialogBox final : public QDialog {
  public:
    explicit DialogBox(CDialog& dialog) : dialog_(dialog) {}
    void reject() override;
    CDialog& Dialog() const { return dialog_; }

  private:
    CDialog& dialog_;
};

class QtDialogWindow final : public DialogWindow {
  public:
    explicit QtDialogWindow(CDialog& dialog);
    ~QtDialogWindow() override;

    QtControls& Ctl() override { return controls_; }
    void SetCaption(const std::wstring& caption) override;
    void Describe(const std::wstring& description) override;
    void Open() override;
    int RunModal() override {
        Open();
        return box_->exec();
    }
    void End(int result) override { box_->done(result); }
    void Relayout() override { box_->setFixedSize(controls_.Relayout()); }
    QDialog* Box() const { return box_; }

  private:
    CDialog& dialog_;
    QPointer<QDialog> box_;
    QtControls controls_;
    bool opened_ = false;
};

}  // namespace framework::qt
