#pragma once
// The wizard sheet: pages in a fixed order above a Back / Next-or-Finish / Cancel bar, no
// tabs and no header. The pages' handlers choose where Next and Back lead.

#include <QDialog>
#include <vector>

class QPushButton;
class QScrollArea;
class QStackedWidget;

namespace framework {

class CPropertyPageEx;

enum WizardButtons { PSWIZB_BACK = 1, PSWIZB_NEXT = 2, PSWIZB_FINISH = 4 };

class CPropertySheetEx : public QDialog {
    Q_OBJECT
  public:
    explicit CPropertySheetEx(int startPage, QWidget* parent = nullptr);

    void AddPage(CPropertyPageEx* page);
    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    CPropertyPageEx* GetPage(int index) const { return pages_.at(index); }
    int GetActiveIndex() const { return active_; }
    CPropertyPageEx* GetActivePage() const;

    // Shows the start page and runs modally; 1 after Finish, 2 after Cancel.
    int DoModal();

    // Posted: takes effect after the current handler has returned.
    void SetWizardButtons(int flags);

    QPushButton* BackButton() const { return back_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* FinishButton() const { return finish_; }
    QPushButton* CancelButton() const { return cancel_; }

    // Makes the page at `index` current: created on first use, then activated.
    bool SetActivePage(int index);

    // Every page gets this size, so that the window keeps one size as pages change. When the
    // screen cannot hold it, the page area scrolls and the button bar stays in view.
    void SetPageSize(QSize size);
    // Fits the window into `available` (the screen's work area); done for the screen itself
    // when the window is shown.
    void FitInto(QSize available);

  public slots:
    void reject() override;  // Cancel, the close box and Escape

  protected:
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;

  private:
    void ApplyButtons(int flags);
    void PressNext();
    void PressBack();
    void PressFinish();
    void Move(int result, int step);
    int IndexOfTemplate(int templateId) const;

    std::vector<CPropertyPageEx*> pages_;
    QStackedWidget* stack_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* bar_ = nullptr;
    QSize pageSize_;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* finish_ = nullptr;
    QPushButton* cancel_ = nullptr;
    int startPage_ = 0;
    int active_ = -1;
    bool closing_ = false;
};

}  // namespace framework
