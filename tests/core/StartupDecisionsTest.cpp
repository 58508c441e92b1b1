#include <gtest/gtest.h>

#include "app/StartupDecisions.h"

namespace tests {
namespace {

using namespace app;
using namespace results;

struct Records {
    TaskResults task;
    FileModuleResults fileModules;
    Records() {
        ResetToPlaceholder(task);
        ResetToPlaceholder(fileModules);
        task[ClusterIp] = L"10.0.0.5";
        task[ServiceIp] = L"10.0.0.6";
        task[ClusterIp6] = L"fd00::5";
        task[ServiceIp6] = L"fd00::6";
        fileModules[InputCommand] = L"cfginit";
        fileModules[OutputResult] = L"0";
        fileModules[FileModuleStatus] = L"Success";
    }
};

TEST(DecideOutcome, EveryResultKind) {
    struct Case {
        ResultKind kind;
        Outcome outcome;
        const wchar_t* system;
        const wchar_t* service;
    };
    const Case cases[] = {
        {ResetPasswordOk, PasswordResetSuccess, L"10.0.0.5", L"10.0.0.6"},
        {ResetPasswordFailed, PasswordResetFailure, L"10.0.0.5", L"10.0.0.6"},
        {ServiceIpDefaultOk, ServiceIpSuccess, L"10.0.0.5", L"10.0.0.6"},
        {ServiceIpDefaultFailed, ServiceIpFailure, L"10.0.0.5", L"10.0.0.6"},
        {ServiceIpOk, ServiceIpSuccess, L"10.0.0.5", L"10.0.0.6"},
        {ServiceIpFailed, ServiceIpFailure, L"10.0.0.5", L"10.0.0.6"},
        {ServiceIp6Ok, ServiceIpSuccess, L"[fd00::5]", L"[fd00::6]"},
        {ServiceIp6Failed, ServiceIpFailure, L"[fd00::5]", L"[fd00::6]"},
        {InitOk, InitSuccess, L"10.0.0.5", L"10.0.0.6"},
        {InitFailed, InitFailure, L"10.0.0.5", L"10.0.0.6"},
        {Init6Ok, InitSuccess, L"[fd00::5]", L"[fd00::6]"},
        {Init6Failed, InitFailure, L"[fd00::5]", L"[fd00::6]"},
        {UnifiedInitOk, UnifiedSuccess, L"10.0.0.5", L"10.0.0.6"},
        {UnifiedFileModulesFailed, UnifiedFileModuleFailure, L"", L""},
        {UnifiedStorageFailed, InitFailure, L"10.0.0.5", L"10.0.0.6"},
        {UnrecognisedTask, NoResult, L"", L""},
    };
    for (const Case& c : cases) {
        const Records r;
        const ResultDecision d = DecideOutcome(c.kind, r.task, r.fileModules);
        EXPECT_EQ(d.outcome, c.outcome) << "kind " << c.kind;
        EXPECT_EQ(d.systemAddress, c.system) << "kind " << c.kind;
        EXPECT_EQ(d.serviceAddress, c.service) << "kind " << c.kind;
        EXPECT_EQ(d.showUnreadable, c.kind == UnrecognisedTask) << "kind " << c.kind;
    }
}

TEST(DecideOutcome, PasswordResetFallsBackToIPv6WhenClusterIpIsEmpty) {
    Records r;
    r.task[ClusterIp] = L"";
    for (ResultKind kind : {ResetPasswordOk, ResetPasswordFailed}) {
        const ResultDecision d = DecideOutcome(kind, r.task, r.fileModules);
        EXPECT_EQ(d.systemAddress, L"[fd00::5]");
        EXPECT_EQ(d.serviceAddress, L"[fd00::6]");
    }
    // Not reported at all ("x") is not empty: no fallback.
    r.task[ClusterIp] = L"x";
    EXPECT_EQ(DecideOutcome(ResetPasswordOk, r.task, r.fileModules).systemAddress, L"x");
    // Other kinds never fall back.
    r.task[ClusterIp] = L"";
    EXPECT_EQ(DecideOutcome(InitOk, r.task, r.fileModules).systemAddress, L"");
}

TEST(DecideOutcome, UnifiedResultsNeedTheFileModulesReport) {
    struct Case {
        ResultKind kind;
        const wchar_t* status;
        const wchar_t* input;
        const wchar_t* result;
        Outcome outcome;
    };
    const Case cases[] = {
        {UnifiedInitOk, L"Success", L"x", L"0", NoResult},
        {UnifiedInitOk, L"Success", L"cfginit", L"0", UnifiedSuccess},
        {UnifiedFileModulesFailed, L"File not found", L"x", L"x", NoResult},
        {UnifiedFileModulesFailed, L"Success", L"cfginit", L"x", NoResult},
        {UnifiedFileModulesFailed, L"Success", L"x", L"1", NoResult},
        {UnifiedFileModulesFailed, L"Success", L"cfginit", L"1", UnifiedFileModuleFailure},
    };
    for (const Case& c : cases) {
        Records r;
        r.fileModules[FileModuleStatus] = c.status;
        r.fileModules[InputCommand] = c.input;
        r.fileModules[OutputResult] = c.result;
        const ResultDecision d = DecideOutcome(c.kind, r.task, r.fileModules);
        EXPECT_EQ(d.outcome, c.outcome);
        EXPECT_EQ(d.showUnreadable, c.outcome == NoResult);
    }
}

TEST(DecideAfterDialog, EveryEndCodeOfEveryDialog) {
    struct Case {
        Outcome outcome;
        int endCode;
        Next next;
        int startPage;
    };
    const Case cases[] = {
        {InitSuccess, 1, Next::StartWizard, 0},
        {InitSuccess, 2, Next::EndProgram, 0},
        {InitFailure, 1, Next::LaunchServiceAssistantAndEnd, 0},
        {InitFailure, 2, Next::StartWizard, 0},
        {PasswordResetSuccess, 2, Next::StartWizard, 0},
        {PasswordResetSuccess, 1, Next::StartWizard, 0},
        {PasswordResetFailure, 1, Next::StartWizard, 3},
        {PasswordResetFailure, 2, Next::StartWizard, 0},
        {PasswordResetFailure, 0, Next::StartWizard, 3},
        {ServiceIpSuccess, 2, Next::StartWizard, 0},
        {ServiceIpFailure, 1, Next::StartWizard, 4},
        {ServiceIpFailure, 2, Next::StartWizard, 0},
        {ServiceIpFailure, 7, Next::StartWizard, 4},
        {UnifiedSuccess, 1, Next::StartWizard, 0},
        {UnifiedSuccess, 2, Next::EndProgram, 0},
        {UnifiedFileModuleFailure, 1, Next::StartWizard, 7},
        {UnifiedFileModuleFailure, 2, Next::EndProgram, 0},
        {NoResult, 0, Next::StartWizard, 0},
    };
    for (const Case& c : cases) {
        const AfterDialog after = DecideAfterDialog(c.outcome, c.endCode);
        EXPECT_EQ(after.next, c.next) << c.outcome << " " << c.endCode;
        if (c.next == Next::StartWizard) {
            EXPECT_EQ(after.startPage, c.startPage) << c.outcome << " " << c.endCode;
        }
    }
}

}  // namespace
}  // namespace tests
