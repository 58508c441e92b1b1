#pragma once
// What the start-up flow decides, as data: from the results to an outcome with its
// addresses and messages, and from an outcome and the dialog's end code to what follows.
// Plain C++: the flow that shows the decisions lives in MyWizardApp.

#include <string>

#include "results/ClassifyTask.h"
#include "results/Results.h"

namespace app {

enum Outcome {
    InitSuccess = 0,
    InitFailure = 1,
    PasswordResetSuccess = 2,
    PasswordResetFailure = 3,
    ServiceIpSuccess = 4,
    ServiceIpFailure = 5,
    UnifiedSuccess = 6,
    UnifiedFileModuleFailure = 7,
    NoResult = 8,
};

struct ResultDecision {
    Outcome outcome = NoResult;
    std::wstring systemAddress;
    std::wstring serviceAddress;
    bool showUnreadable = false;  // message 172
};

// The outcome for a classified result, with the system's management and service addresses.
ResultDecision DecideOutcome(results::ResultKind kind, const results::TaskResults& task,
                             const results::FileModuleResults& fileModules);

enum class Next { StartWizard, LaunchServiceAssistantAndEnd, EndProgram };

struct AfterDialog {
    Next next;
    int startPage = 0;
};

// What follows a result dialog that ended with `endCode` (1 OK, 2 Cancel, or another value).
AfterDialog DecideAfterDialog(Outcome outcome, int endCode);

}  // namespace app
