#pragma once
// A wizard page: its controls are created on its first activation; the sheet calls its
// handlers for activation, leaving, Next, Back and Cancel.

#include <QWidget>

#include "framework/DialogBase.h"

namespace framework {

class CPropertySheetEx;

class CPropertyPageEx : public QWidget, public DialogBase {
    Q_OBJECT
  public:
    CPropertyPageEx(int templateId, const DialogTemplate& dialogTemplate);

    int GetTemplateId() const { return templateId_; }
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }

    bool IsCreated() const { return host_.IsCreated(); }
    // Creates the controls and runs OnInitDialog; once.
    void Create();

    CPropertySheetEx* GetSheet() const;

    // The template's size in pixels.
    QSize TemplateSize() const { return DialogUnitsToPixels(this, template_.cx, template_.cy); }

    // Lays the controls out again; returns the size they need.
    QSize Relayout(bool drawPictures = true) { return host_.Relayout(drawPictures); }

    virtual bool OnInitDialog();
    virtual bool OnSetActive();
    virtual bool OnKillActive() { return UpdateData(true); }
    // -1: stay; 0: the adjacent page; else the template id of the target page.
    virtual int OnWizardNext() { return 0; }
    virtual int OnWizardBack() { return 0; }
    virtual void OnCancel() {}

  private:
    int templateId_;
    DialogTemplate template_;
    QString caption_;
    bool firstActivation_ = true;
};

}  // namespace framework
