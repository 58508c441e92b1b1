#include "framework/headless/Backend.h"

#include "framework/Dialog.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"

#include <utility>

namespace framework::headless {
namespace {
std::function<void(CDialog&)>& ModalHandler() {
    static std::function<void(CDialog&)> handler;
    return handler;
}
}  // namespace

void HeadlessBackend::OnModal(std::function<void(CDialog&)> handler) {
    ModalHandler() = std::move(handler);
}

void HeadlessBackend::RunModalHandler(CDialog& dialog) {
    if (auto handler = std::exchange(ModalHandler(), nullptr)) {
        handler(dialog);
    }
}

RecordControls& Records(CPropertyPageEx& page) {
    return static_cast<HeadlessPage*>(page.Window())->Ctl();
}

RecordControls& Records(CDialog& dialog) {
    return static_cast<HeadlessDialog*>(dialog.Window())->Ctl();
}

HeadlessSheet& SheetWindowOf(CPropertySheetEx& sheet) {
    return static_cast<HeadlessSheet&>(sheet.Window());
}

}  // namespace framework::headless
