#pragma once
// A modal dialog built from a template. Button 1 is OK, button 2 Cancel; other buttons go to
// OnCommand. The close box and Escape are Cancel.

#include <QDialog>

#include "framework/DialogBase.h"

namespace framework {

enum DialogResult { IDOK = 1, IDCANCEL = 2 };

class CDialog : public QDialog, public DialogBase {
    Q_OBJECT
  public:
    CDialog(int templateId, const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);

    int GetTemplateId() const { return templateId_; }

    // Creates the controls (once) and runs OnInitDialog; DoModal does this itself.
    void Create();
    // Runs modally and returns the code that ended the dialog.
    int DoModal();
    void EndDialog(int result) { done(result); }

    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnCommand(int) {}

  public slots:
    void reject() override { OnCancel(); }

  private:
    int templateId_;
    DialogTemplate template_;
};

}  // namespace framework
