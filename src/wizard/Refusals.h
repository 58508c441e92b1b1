#pragma once
// A form's refusal on its page: the message in a box the page owns (under the form's
// caption), then the focus on the field to mend.

#include "forms/Refusal.h"
#include "framework/PropertyPage.h"

namespace wizard {

// Shows `refusal`; true when it was the parser's question and the user answered OK (the
// focus then stays), false when the page must stay with the focus on `field`.
bool ShowRefusal(framework::CPropertyPageEx& page, const forms::Refusal& refusal, int field);

}  // namespace wizard
