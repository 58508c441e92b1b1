#include "report/Decisions.h"

namespace report {

using namespace results;

namespace {

std::wstring Bracketed(const std::wstring& address) {
    return L"[" + address + L"]";
}

enum class Addresses { IPv4, IPv6, IPv4OrIPv6, Unchanged };

struct Row {
    ResultKind kind;
    Outcome outcome;
    Addresses addresses;
};

const Row kRows[] = {
    {ResetPasswordOk, PasswordResetSuccess, Addresses::IPv4OrIPv6},
    {ResetPasswordFailed, PasswordResetFailure, Addresses::IPv4OrIPv6},
    {ServiceIpDefaultOk, ServiceIpSuccess, Addresses::IPv4},
    {ServiceIpOk, ServiceIpSuccess, Addresses::IPv4},
    {ServiceIpDefaultFailed, ServiceIpFailure, Addresses::IPv4},
    {ServiceIpFailed, ServiceIpFailure, Addresses::IPv4},
    {ServiceIp6Ok, ServiceIpSuccess, Addresses::IPv6},
    {ServiceIp6Failed, ServiceIpFailure, Addresses::IPv6},
    {InitOk, InitSuccess, Addresses::IPv4},
    {InitFailed, InitFailure, Addresses::IPv4},
    {UnifiedStorageFailed, InitFailure, Addresses::IPv4},
    {Init6Ok, InitSuccess, Addresses::IPv6},
    {Init6Failed, InitFailure, Addresses::IPv6},
    {UnifiedInitOk, UnifiedSuccess, Addresses::IPv4},
    {UnifiedFileModulesFailed, UnifiedFileModuleFailure, Addresses::Unchanged},
};

bool Reported(const std::wstring& entry) {
    return entry != kPlaceholder;
}

}  // namespace

ResultDecision DecideOutcome(ResultKind kind, const TaskResults& task,
                             const FileModuleResults& fileModules) {
    ResultDecision decision;
    const Row* row = nullptr;
    for (const Row& candidate : kRows) {
        if (candidate.kind == kind) {
            row = &candidate;
        }
    }
    if (!row) {
        decision.showUnreadable = true;  // not recognised
        return decision;
    }
    switch (row->addresses) {
        case Addresses::IPv4:
            decision.systemAddress = task[ClusterIp];
            decision.serviceAddress = task[ServiceIp];
            break;
        case Addresses::IPv6:
            decision.systemAddress = Bracketed(task[ClusterIp6]);
            decision.serviceAddress = Bracketed(task[ServiceIp6]);
            break;
        case Addresses::IPv4OrIPv6: {
            const bool ipv6 = task[ClusterIp].empty();
            decision.systemAddress = ipv6 ? Bracketed(task[ClusterIp6]) : task[ClusterIp];
            decision.serviceAddress = ipv6 ? Bracketed(task[ServiceIp6]) : task[ServiceIp];
            break;
        }
        case Addresses::Unchanged:
            break;
    }
    const bool fileModulesComplete =
        Reported(fileModules[InputCommand]) && Reported(fileModules[OutputResult]);
    if (kind == UnifiedInitOk && !fileModulesComplete) {
        return ResultDecision{NoResult, decision.systemAddress, decision.serviceAddress, true};
    }
    if (kind == UnifiedFileModulesFailed &&
        (fileModules[FileModuleStatus].find(L"not found") != std::wstring::npos ||
         !fileModulesComplete)) {
        return ResultDecision{NoResult, L"", L"", true};
    }
    decision.outcome = row->outcome;
    return decision;
}

}  // namespace report
