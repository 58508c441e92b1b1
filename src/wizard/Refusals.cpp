#include "wizard/Refusals.h"

namespace wizard {

bool ShowRefusal(framework::CPropertyPageEx& page, const forms::Refusal& refusal, int field) {
    const int answer = page.Ctl().Message(
        refusal.Text(), refusal.Caption(),
        refusal.question ? platform::MessageButtons::OkCancel : platform::MessageButtons::Ok);
    if (refusal.question && answer == platform::kAnswerOk) {
        return true;
    }
    page.Ctl().Focus(field);
    return false;
}

}  // namespace wizard
