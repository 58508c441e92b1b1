#include "app/StartupDecisions.h"

namespace app {

AfterDialog DecideAfterDialog(Outcome outcome, int endCode) {
    const bool ok = endCode == 1;
    const bool cancel = endCode == 2;
    switch (outcome) {
        case InitSuccess:
            return ok ? AfterDialog{Next::StartWizard, 0} : AfterDialog{Next::EndProgram};
        case InitFailure:
            return ok ? AfterDialog{Next::LaunchServiceAssistantAndEnd}
                      : AfterDialog{Next::StartWizard, 0};
        case PasswordResetSuccess:
        case ServiceIpSuccess:
            return AfterDialog{Next::StartWizard, 0};
        case PasswordResetFailure:
            return AfterDialog{Next::StartWizard, cancel ? 0 : 3};
        case ServiceIpFailure:
            return AfterDialog{Next::StartWizard, cancel ? 0 : 4};
        case UnifiedSuccess:
            return ok ? AfterDialog{Next::StartWizard, 0} : AfterDialog{Next::EndProgram};
        case UnifiedFileModuleFailure:
            return ok ? AfterDialog{Next::StartWizard, 7} : AfterDialog{Next::EndProgram};
        case NoResult:
            break;
    }
    return AfterDialog{Next::StartWizard, 0};
}

}  // namespace app
