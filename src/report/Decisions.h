#pragma once
// What the results on a key come to, as data: the outcome (the result dialog that reports
// it, or none) with the system's addresses, and whether the results cannot be read.

#include <string>

#include "results/ClassifyTask.h"
#include "results/Results.h"

namespace report {

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

}  // namespace report
