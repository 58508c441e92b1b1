#pragma once
// What the start-up flow decides, as data: from an outcome and the result dialog's end code
// to what follows. The outcome itself comes with the result report. Plain C++: the flow that
// acts on the decisions lives in MyWizardApp.

#include "report/Decisions.h"

namespace app {

using report::DecideOutcome;
using report::Outcome;
using report::ResultDecision;
using enum report::Outcome;

enum class Next { StartWizard, LaunchServiceAssistantAndEnd, EndProgram };

struct AfterDialog {
    Next next;
    int startPage = 0;
};

// What follows a result dialog that ended with `endCode` (1 OK, 2 Cancel, or another value).
AfterDialog DecideAfterDialog(Outcome outcome, int endCode);

}  // namespace app
