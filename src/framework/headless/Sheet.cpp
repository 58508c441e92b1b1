#include "framework/headless/Sheet.h"

#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"

namespace framework::headless {

HeadlessPage::HeadlessPage(CPropertyPageEx& page, RecordFocus* focus)
    : controls_(
          page.Template(), [&page](int id, Notify code) { page.OnCommand(id, code); }, focus),
      cx_(page.Template().cx),
      cy_(page.Template().cy) {}

void HeadlessSheet::FocusDefaultButton() {
    *focus_ = {this, buttons & PSWIZB_FINISH ? kFinishButton
                     : buttons & PSWIZB_NEXT ? kNextButton
                     : buttons & PSWIZB_BACK ? kBackButton
                                             : 0};
}

void HeadlessSheet::SelectPage(int index) {
    sheet_.Activate(index);
}

int HeadlessSheet::RunModal(int start) {
    if (sheet_.GetActiveIndex() < 0) {  // no page selected before it runs
        SelectPage(start);
    }
    Flush();
    return result;
}

void HeadlessSheet::Flush() {
    while (!posted_.empty()) {
        auto task = std::move(posted_.front());
        posted_.pop_front();
        task();
    }
}

}  // namespace framework::headless
