#pragma once
// The wizard's sheet on Qt Widgets: a QDialog with a page area (a QStackedWidget in a scroll
// area) above the button bar, and the pages in it, QWidgets holding their controls. Not
// QWizard: its Back follows the visit history and it will not revisit a page through Next;
// the pages here choose their own targets.

#include <QDialog>
#include <QPointer>
#include <memory>

#include "framework/Backend.h"
#include "framework/qt/Controls.h"

class QPushButton;
class QScrollArea;
class QStackedWidget;

namespace framework::qt {

// A page's window: a QWidget holding the page's controls.
class QtPageWindow final : public PageWindow {
  public:
    QtPageWindow(CPropertyPageEx& page, QWidget* parent);
    ~QtPageWindow() override;

    QtControls& Ctl() override { return controls_; }
    WindowSize Relayout(bool drawPictures) override;
    int FocusedControl() const override { return controls_.FocusedId(); }
    QWidget* Widget() const { return widget_; }

  private:
    QPointer<QWidget> widget_;
    QtControls controls_;
};

// The sheet's dialog.
class SheetDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit SheetDialog(CPropertySheetEx& sheet);

    QPushButton* BackButton() const { return back_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* FinishButton() const { return finish_; }
    QPushButton* CancelButton() const { return cancel_; }
    QStackedWidget* Pages() const { return stack_; }

    void SetPageSize(QSize size);
    // Fits the window into `available` (the screen's work area); done for the screen itself
    // when the window is shown.
    void FitInto(QSize available);
    void ApplyButtons(int flags);
    // The focus to Finish where it is shown, else to Next, else (a page that can only go
    // back) to Back.
    void FocusDefaultButton();

  public slots:
    void reject() override;  // Cancel, the close box and Escape

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    CPropertySheetEx& sheet_;
    QStackedWidget* stack_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* bar_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* finish_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QSize pageSize_;
};

class QtSheetWindow final : public SheetWindow {
  public:
    explicit QtSheetWindow(CPropertySheetEx& sheet);
    ~QtSheetWindow() override;

    std::unique_ptr<PageWindow> CreatePage(CPropertyPageEx& page) override;
    void SelectPage(int index) override;
    void ShowPage(int index, const std::wstring& caption) override;
    void PageActivated(int index) override;
    void FocusDefaultButton() override { dialog_->FocusDefaultButton(); }
    void SetPageSize(WindowSize size) override { dialog_->SetPageSize(QSize(size.cx, size.cy)); }
    void ApplyButtons(int flags) override { dialog_->ApplyButtons(flags); }
    void Post(std::function<void()> task) override;
    int RunModal(int start) override;
    void End(int result) override { dialog_->done(result); }
    SheetDialog* Dialog() const { return dialog_; }

  private:
    CPropertySheetEx& sheet_;
    QPointer<SheetDialog> dialog_;
};

}  // namespace framework::qt
