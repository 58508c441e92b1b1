#include "framework/PropertySheet.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "framework/PropertyPage.h"
#include "framework/QtPlatform.h"
#include "platform/StringIds.h"

namespace framework {

CPropertySheetEx::CPropertySheetEx(int startPage, QWidget* parent)
    : QDialog(parent), startPage_(startPage) {
    stack_ = new QStackedWidget;  // the page area, inside a scroll area for small screens
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(stack_);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);  // the pages' controls take the focus, not their frame
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    back_ = new QPushButton(LoadQString(IDS_FW_BACK), this);
    next_ = new QPushButton(LoadQString(IDS_FW_NEXT), this);
    finish_ = new QPushButton(LoadQString(IDS_FW_FINISH), this);
    cancel_ = new QPushButton(LoadQString(IDS_FW_CANCEL), this);
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

    connect(back_, &QPushButton::clicked, this, &CPropertySheetEx::PressBack);
    connect(next_, &QPushButton::clicked, this, &CPropertySheetEx::PressNext);
    connect(finish_, &QPushButton::clicked, this, &CPropertySheetEx::PressFinish);
    connect(cancel_, &QPushButton::clicked, this, &CPropertySheetEx::reject);
}

void CPropertySheetEx::AddPage(CPropertyPageEx* page) {
    pages_.push_back(page);
    stack_->addWidget(page);
    SetPageSize(pageSize_.expandedTo(page->TemplateSize()));
}

void CPropertySheetEx::SetPageSize(QSize size) {
    pageSize_ = size;
    stack_->setMinimumSize(size);
    scroll_->setFixedSize(size);
}

void CPropertySheetEx::FitInto(QSize available) {
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

void CPropertySheetEx::showEvent(QShowEvent* event) {
    if (QScreen* shownOn = screen()) {
        FitInto(shownOn->availableGeometry().size());
    }
    QDialog::showEvent(event);
}

CPropertyPageEx* CPropertySheetEx::GetActivePage() const {
    return active_ >= 0 ? pages_.at(active_) : nullptr;
}

int CPropertySheetEx::DoModal() {
    SetActivePage(startPage_);
    return exec();
}

void CPropertySheetEx::SetWizardButtons(int flags) {
    QMetaObject::invokeMethod(
        this, [this, flags] { ApplyButtons(flags); }, Qt::QueuedConnection);
}

void CPropertySheetEx::ApplyButtons(int flags) {
    back_->setEnabled(flags & PSWIZB_BACK);
    const bool finish = flags & PSWIZB_FINISH;
    next_->setVisible(!finish);
    finish_->setVisible(finish);
    next_->setEnabled(!finish && (flags & PSWIZB_NEXT));
    finish_->setEnabled(finish);
    next_->setDefault(!finish);
    finish_->setDefault(finish);
}

bool CPropertySheetEx::SetActivePage(int index) {
    if (index < 0 || index >= GetPageCount()) {
        return false;
    }
    CPropertyPageEx* page = pages_[index];
    active_ = index;
    page->Create();
    stack_->setCurrentWidget(page);
    setWindowTitle(page->Caption());
    page->OnSetActive();
    const QSize needed = page->Relayout();
    if (needed.width() > pageSize_.width() || needed.height() > pageSize_.height()) {
        SetPageSize(pageSize_.expandedTo(needed));
    }
    if (!page->isAncestorOf(focusWidget())) {
        // The first control of the page that takes the focus.
        for (QWidget* child = page->nextInFocusChain(); child != page;
             child = child->nextInFocusChain()) {
            if (page->isAncestorOf(child) && child->isVisibleTo(page) && child->isEnabled() &&
                (child->focusPolicy() & Qt::TabFocus)) {
                child->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    return true;
}

bool CPropertySheetEx::focusNextPrevChild(bool next) {
    // Tab runs through the current page's controls in their order, then the button bar,
    // whatever order the page's controls were created in relative to the bar.
    // A group of option buttons is one stop, as in a Windows dialog: its checked button (or
    // its first, when none is checked); the arrow keys move within the group.
    QList<QWidget*> order;
    CPropertyPageEx* page = GetActivePage();
    auto groupStop = [](QAbstractButton* button) -> QWidget* {
        QButtonGroup* group = button->group();
        if (!group || !qobject_cast<QRadioButton*>(button)) {
            return button;
        }
        if (QAbstractButton* checked = group->checkedButton(); checked && checked->isVisible()) {
            return checked;
        }
        for (QAbstractButton* candidate : group->buttons()) {
            if (candidate->isVisible() && candidate->isEnabled()) {
                return candidate;
            }
        }
        return button;
    };
    auto takesTab = [&groupStop](QWidget* w) {
        if (!w->isVisible() || !w->isEnabled() || w->focusProxy()) {
            return false;
        }
        // Qt takes the Tab bit from option buttons as they toggle, not always in step with
        // the group's checked button: the group decides here.
        auto* radio = qobject_cast<QRadioButton*>(w);
        if (radio && radio->group() && w->focusPolicy() != Qt::NoFocus) {
            return groupStop(radio) == w;
        }
        return (w->focusPolicy() & Qt::TabFocus) != 0;
    };
    if (page) {
        for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
            if (page->isAncestorOf(w) && takesTab(w)) {
                order << w;
            }
            if (!page->isAncestorOf(w) && w->nextInFocusChain() == page) {
                break;
            }
        }
    }
    for (QWidget* button : {back_, next_, finish_, cancel_}) {
        if (takesTab(button)) {
            order << button;
        }
    }
    if (order.isEmpty()) {
        return QDialog::focusNextPrevChild(next);
    }
    QWidget* focused = focusWidget();
    if (auto* button = qobject_cast<QAbstractButton*>(focused)) {
        focused = groupStop(button);
    }
    const int current = order.indexOf(focused);
    const int count = static_cast<int>(order.size());
    const int target =
        current < 0 ? (next ? 0 : count - 1) : (current + (next ? 1 : count - 1)) % count;
    order[target]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

int CPropertySheetEx::IndexOfTemplate(int templateId) const {
    for (int i = 0; i < GetPageCount(); ++i) {
        if (pages_[i]->GetTemplateId() == templateId) {
            return i;
        }
    }
    return -1;
}

void CPropertySheetEx::Move(int result, int step) {
    CPropertyPageEx* page = GetActivePage();
    if (result == -1 || !page->OnKillActive()) {
        return;
    }
    const int target = result == 0 ? active_ + step : IndexOfTemplate(result);
    SetActivePage(target);
}

void CPropertySheetEx::PressNext() {
    if (next_->isVisible() && next_->isEnabled()) {
        Move(GetActivePage()->OnWizardNext(), +1);
    }
}

void CPropertySheetEx::PressBack() {
    if (back_->isEnabled()) {
        Move(GetActivePage()->OnWizardBack(), -1);
    }
}

void CPropertySheetEx::PressFinish() {
    if (finish_->isVisible() && finish_->isEnabled()) {
        done(1);
    }
}

void CPropertySheetEx::reject() {
    if (closing_) {
        return;
    }
    closing_ = true;
    for (CPropertyPageEx* page : pages_) {
        if (page->IsCreated()) {
            page->OnCancel();
        }
    }
    done(2);
}

}  // namespace framework
