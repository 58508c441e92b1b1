#pragma once
// A modal dialog built from a template. Button 1 is OK, button 2 Cancel; other buttons go to
// OnCommand. The close box and Escape are Cancel.

#include <memory>
#include <string>

#include "framework/Backend.h"
#include "framework/DataExchange.h"
#include "framework/DialogTemplate.h"

namespace framework {

enum DialogResult { IDOK = 1, IDCANCEL = 2 };

class CDialog {
  public:
    CDialog(int templateId, const DialogTemplate& dialogTemplate);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    int GetTemplateId() const { return templateId_; }
    const DialogTemplate& Template() const { return template_; }

    // Makes the window outside a modal loop (once), for a picture or a test; DoModal makes
    // its own.
    void Create();
    // Runs modally and returns the code that ended the dialog.
    int DoModal();
    // The window's controls are made: runs OnInitDialog and lays the dialog out. The window
    // calls it.
    void Initialize();
    void EndDialog(int result);
    // The code the dialog ended with: 0 while it runs.
    int Result() const { return result_; }

    DialogWindow* Window() const { return window_.get(); }
    // Its controls, by id.
    Controls& Ctl() const { return window_->Ctl(); }
    bool UpdateData(bool save = true);

    // A push button's click, as the window reports it: OK, Cancel or OnCommand.
    void ButtonClicked(int id);

    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnCommand(int) {}

  protected:
    virtual void DoDataExchange(DataExchange&) {}

  private:
    int templateId_;
    DialogTemplate template_;
    std::unique_ptr<DialogWindow> window_;
    int result_ = 0;
};

}  // namespace framework
