#pragma once
// The framework's windows on Qt Widgets: the sheet is a QDialog with a page area (a
// QStackedWidget in a scroll area) above the button bar; pages are QWidgets in it; dialogs
// are QDialogs. What the user does goes back to the framework's classes.

#include <QDialog>
#include <QPointer>
#include <memory>

#include "framework/Backend.h"
#include "framework/qt/ControlHost.h"

class QPushButton;
class QScrollArea;
class QStackedWidget;

namespace framework {
class CDialog;
class CPropertyPageEx;
class CPropertySheetEx;
}  // namespace framework

namespace framework::qt {

class QtBackend final : public Backend {
  public:
    std::unique_ptr<SheetWindow> CreateSheet(CPropertySheetEx& sheet) override;
    std::unique_ptr<PageWindow> CreateLonePage(CPropertyPageEx& page) override;
    std::unique_ptr<DialogWindow> CreateDialogWindow(CDialog& dialog) override;
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
    // The focus to Finish where it is shown, else to Next.
    void FocusDefaultButton();

  public slots:
    void reject() override;  // Cancel, the close box and Escape

  protected:
    bool focusNextPrevChild(bool next) override;
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

// Where tests and the gallery reach the Qt widgets behind the framework's windows.
SheetDialog* SheetWidget(CPropertySheetEx& sheet);
QWidget* PageWidget(const CPropertyPageEx& page);
QDialog* DialogWidget(const CDialog& dialog);
QWidget* ControlWidget(const CPropertyPageEx& page, int id);
QWidget* ControlWidget(const CDialog& dialog, int id);
// The dialog whose window `window` is, or null.
CDialog* DialogBehind(QWidget* window);

}  // namespace framework::qt
