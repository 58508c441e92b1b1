#pragma once
// A wizard page: its window is created on its first activation; the sheet calls its
// handlers for activation, leaving, Next, Back and Cancel, and its controls' notifications
// arrive at OnCommand.

#include <memory>
#include <string>

#include "framework/Backend.h"
#include "framework/DataExchange.h"
#include "framework/DialogTemplate.h"

namespace framework {

class CPropertySheetEx;

class CPropertyPageEx {
  public:
    CPropertyPageEx(int templateId, const DialogTemplate& dialogTemplate);
    virtual ~CPropertyPageEx();
    CPropertyPageEx(const CPropertyPageEx&) = delete;
    CPropertyPageEx& operator=(const CPropertyPageEx&) = delete;

    int GetTemplateId() const { return templateId_; }
    const DialogTemplate& Template() const { return template_; }
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption) { caption_ = caption; }

    bool IsCreated() const { return window_ != nullptr; }
    // Creates the window in the sheet and runs OnInitDialog; once.
    void Create();
    // Creates a window of its own outside any sheet, to measure the page; never activated.
    WindowSize Measure();

    CPropertySheetEx* GetSheet() const { return sheet_; }
    void SetSheet(CPropertySheetEx* sheet) { sheet_ = sheet; }

    // The page's window; null before Create.
    PageWindow* Window() const { return window_.get(); }
    // Its controls, by id.
    Controls& Ctl() const { return window_->Ctl(); }

    // Controls to members (save) or members to controls; false when a read failed.
    bool UpdateData(bool save = true);

    virtual bool OnInitDialog();
    virtual bool OnSetActive();
    virtual bool OnKillActive() { return UpdateData(true); }
    // -1: stay; 0: the adjacent page; else the template id of the target page.
    virtual int OnWizardNext() { return 0; }
    virtual int OnWizardBack() { return 0; }
    virtual void OnCancel() {}
    // A control's notification.
    virtual void OnCommand(int, Notify) {}

  protected:
    virtual void DoDataExchange(DataExchange&) {}

  private:
    int templateId_;
    DialogTemplate template_;
    std::wstring caption_;
    CPropertySheetEx* sheet_ = nullptr;
    std::unique_ptr<PageWindow> window_;
    bool firstActivation_ = true;
};

}  // namespace framework
