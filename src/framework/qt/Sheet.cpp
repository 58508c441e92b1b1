#include "framework/qt/Sheet.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "framework/qt/Backend.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace framework::qt {
namespace {

QString Load(int id) {
    return QString::fromStdWString(platform::LoadText(id));
}

}  // namespace

QtPageWindow::QtPageWindow(CPropertyPageEx& page, QWidget* parent)
    : widget_(new QWidget(parent)),
      controls_(widget_, page.Template(),
                [&page](int id, Notify code) { page.OnCommand(id, code); }) {}

QtPageWindow::~QtPageWindow() {
    delete widget_.data();
}

WindowSize QtPageWindow::Relayout(bool drawPictures) {
    const QSize size = controls_.Relayout(drawPictures);
    return {size.width(), size.height()};
}

QtSheetWindow::QtSheetWindow(CPropertySheetEx& sheet)
    : sheet_(sheet), dialog_(new SheetDialog(sheet)) {}

QtSheetWindow::~QtSheetWindow() {
    delete dialog_.data();
}

std::unique_ptr<PageWindow> QtSheetWindow::CreatePage(CPropertyPageEx& page) {
    auto window = std::make_unique<QtPageWindow>(page, dialog_->Pages());
    dialog_->Pages()->addWidget(window->Widget());
    return window;
}

void QtSheetWindow::SelectPage(int index) {
    sheet_.Activate(index);
}

int QtSheetWindow::RunModal(int start) {
    if (sheet_.GetActiveIndex() < 0) {  // no page selected before it runs
        SelectPage(start);
    }
    return dialog_->exec();
}

void QtSheetWindow::ShowPage(int index, const std::wstring& caption) {
    QWidget* page = PageWidget(*sheet_.GetPage(index));
    // The framework places the focus on the page shown; Qt would carry it over from the page
    // left, to whichever control had it on an earlier visit.
    if (QWidget* left = dialog_->Pages()->currentWidget();
        left && left != page && left->isAncestorOf(dialog_->focusWidget())) {
        dialog_->setFocus(Qt::OtherFocusReason);
    }
    dialog_->Pages()->setCurrentWidget(page);
    dialog_->setWindowTitle(QString::fromStdWString(caption));
}

void QtSheetWindow::PageActivated(int index) {
    CPropertyPageEx& page = *sheet_.GetPage(index);
    const WindowSize needed = page.Window()->Relayout();
    const QSize current = dialog_->Pages()->minimumSize();
    if (needed.cx > current.width() || needed.cy > current.height()) {
        dialog_->SetPageSize(current.expandedTo(QSize(needed.cx, needed.cy)));
    }
}

void QtSheetWindow::Post(std::function<void()> task) {
    QMetaObject::invokeMethod(dialog_, std::move(task), Qt::QueuedConnection);
}

SheetDialog::SheetDialog(CPropertySheetEx& sheet) : sheet_(sheet) {
    stack_ = new QStackedWidget;  // the page area, inside a scroll area for small screens
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(stack_);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);  // the pages' controls take the focus, not their frame
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    back_ = new QPushButton(Load(IDS_FW_BACK), this);
    next_ = new QPushButton(Load(IDS_FW_NEXT), this);
    finish_ = new QPushButton(Load(IDS_FW_FINISH), this);
    cancel_ = new QPushButton(Load(IDS_FW_CANCEL), this);
    // Enter presses the focused button, or Next / Finish when the focus is in a page.
    for (QPushButton* button : {back_, next_, finish_, cancel_}) {
        button->setAutoDefault(true);
        button->setEnabled(false);
    }
    cancel_->setEnabled(true);
    finish_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(back_);
    buttons->setSpacing(0);
    buttons->addWidget(next_);
    buttons->addWidget(finish_);
    buttons->addSpacing(fontMetrics().averageCharWidth() * 2);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll_, 1);
    // The button bar under its line stays in view whatever the page area does.
    bar_ = new QWidget(this);
    auto* barLayout = new QVBoxLayout(bar_);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->setSpacing(0);
    barLayout->addWidget(line);
    auto* bar = new QVBoxLayout;
    const int margin = fontMetrics().averageCharWidth() * 2;
    bar->setContentsMargins(margin, margin / 2, margin, margin);
    bar->addLayout(buttons);
    barLayout->addLayout(bar);
    layout->addWidget(bar_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(back_, &QPushButton::clicked, this, [this] { sheet_.PressBack(); });
    connect(next_, &QPushButton::clicked, this, [this] { sheet_.PressNext(); });
    connect(finish_, &QPushButton::clicked, this, [this] { sheet_.PressFinish(); });
    connect(cancel_, &QPushButton::clicked, this, &SheetDialog::reject);
}

void SheetDialog::SetPageSize(QSize size) {
    pageSize_ = size;
    stack_->setMinimumSize(size);
    scroll_->setFixedSize(size);
}

void SheetDialog::FitInto(QSize available) {
    // What the window needs besides its pages: the button bar and the frame's title bar.
    const int chrome = bar_->sizeHint().height() + style()->pixelMetric(QStyle::PM_TitleBarHeight) +
                       2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QSize room(available.width(), available.height() - chrome);
    QSize size = pageSize_;
    if (size.height() > room.height()) {
        size.setHeight(std::max(room.height(), 1));
        size.setWidth(size.width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    }
    scroll_->setFixedSize(size.boundedTo(QSize(std::max(room.width(), 1), size.height())));
}

void SheetDialog::showEvent(QShowEvent* event) {
    if (QScreen* shownOn = screen()) {
        FitInto(shownOn->availableGeometry().size());
    }
    QDialog::showEvent(event);
}

void SheetDialog::ApplyButtons(int flags) {
    back_->setEnabled(flags & PSWIZB_BACK);
    const bool finish = flags & PSWIZB_FINISH;
    next_->setVisible(!finish);
    finish_->setVisible(finish);
    next_->setEnabled(!finish && (flags & PSWIZB_NEXT));
    finish_->setEnabled(finish);
    next_->setDefault(!finish);
    finish_->setDefault(finish);
}

void SheetDialog::FocusDefaultButton() {
    for (QPushButton* button : {finish_, next_, back_}) {
        if (button->isVisibleTo(this) && button->isEnabled()) {
            button->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void SheetDialog::reject() {
    sheet_.Cancel();
}

}  // namespace framework::qt
