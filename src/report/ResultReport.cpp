#include "report/ResultReport.h"

#include "address/LaunchUrl.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace report {
namespace {

using namespace results;

int HeaderOf(Outcome outcome) {
    switch (outcome) {
        case InitSuccess:
        case UnifiedSuccess:
            return IDS_INIT_RESULTS_HEADING;
        case InitFailure:
        case UnifiedFileModuleFailure:
            return IDS_INIT_FAILURE_HEADING;
        case PasswordResetSuccess:
            return IDS_RESET_SUCCESS_HEADING;
        case PasswordResetFailure:
            return IDS_RESET_FAILURE_HEADING;
        case ServiceIpSuccess:
            return IDS_SERVICE_SUCCESS_HEADING;
        case ServiceIpFailure:
            return IDS_SERVICE_FAILURE_HEADING;
        case NoResult:
            break;
    }
    return 0;
}

Launch Make(Purpose purpose, std::wstring url, bool afterDialog = false) {
    const int caption = purpose == Purpose::ManagementGui      ? IDS_LAUNCH_GUI
                        : purpose == Purpose::ServiceAssistant ? IDS_LAUNCH_SERVICE_ASSISTANT
                                                               : IDS_LAUNCH_INFO_CENTER;
    // The documentation's address is the program's own; every other comes from the key.
    std::optional<std::wstring> checked = purpose == Purpose::InformationCenter
                                              ? std::optional<std::wstring>(url)
                                              : address::SafeLaunchUrl(url);
    return Launch{purpose, caption, std::move(url), std::move(checked), afterDialog};
}

// The dialog's texts and launches for the outcome, as the start-up sets them.
void Describe(ResultReport& report) {
    const TaskResults& task = report.task;
    const FileModuleResults& fm = report.fileModules;
    const std::wstring product = platform::LoadText(IDS_PRODUCT_NAME);
    const std::wstring& system = report.decision.systemAddress;
    const std::wstring& service = report.decision.serviceAddress;
    auto battery = [&] {
        return Text{Role::Battery,
                    platform::LoadFormatted(IDS_BATTERY_CHARGING, {task[TimeToCharge]})};
    };
    auto message = [&](int id, const std::wstring& name, const std::wstring& address = L"") {
        return Text{Role::Message, platform::LoadFormatted(id, {name}) + address};
    };
    auto& texts = report.texts;
    auto& launches = report.launches;
    switch (report.outcome()) {
        case InitSuccess:
            texts = {message(IDS_CONFIGURED_WITH_IP, product, system),
                     battery(),
                     {Role::Login, platform::LoadText(IDS_SUPERUSER_LOGIN)}};
            launches = {Make(Purpose::ManagementGui, L"https://" + system)};
            report.launchAddress = system;
            break;
        case InitFailure:
            texts = {message(IDS_NOT_CONFIGURED, product), {Role::Error, task[Output]}};
            launches = {Make(Purpose::ServiceAssistant, L"https://" + service, true)};
            break;
        case PasswordResetSuccess:
            texts = {message(IDS_PASSWORD_RESET, product), battery()};
            launches = {Make(Purpose::ManagementGui, L"https://" + system),
                        Make(Purpose::ServiceAssistant, L"http://" + system + L"/service")};
            report.launchAddress = system;
            break;
        case PasswordResetFailure:
            texts = {message(IDS_PASSWORD_NOT_RESET, product), {Role::Error, task[Output]}};
            break;
        case ServiceIpSuccess:
            texts = {message(IDS_SERVICE_IP_SET, product, service), battery()};
            launches = {Make(Purpose::ManagementGui, L"http://" + system),
                        Make(Purpose::ServiceAssistant, L"http://" + system + L"/service")};
            report.launchAddress = system;
            break;
        case ServiceIpFailure:
            texts = {message(IDS_SERVICE_IP_NOT_SET, product), {Role::Error, task[Output]}};
            break;
        case UnifiedSuccess:
            texts = {message(IDS_UNIFIED_CONFIGURED, platform::LoadText(IDS_UNIFIED_PRODUCT_NAME)),
                     {Role::ManagementIp, fm[ConsoleIp], IDS_MANAGEMENT_IP},
                     {Role::StorageIp, system, IDS_PRODUCT_NAME},
                     {Role::FileModule1Ip, fm[FileModuleIp1], IDS_FILE_MODULE1},
                     {Role::FileModule2Ip, fm[FileModuleIp2], IDS_FILE_MODULE2},
                     {Role::Login, platform::LoadText(IDS_ADMIN_LOGIN)}};
            launches = {Make(Purpose::ManagementGui, L"https://" + fm[ConsoleIp])};
            report.launchAddress = fm[ConsoleIp];
            break;
        case UnifiedFileModuleFailure:
            texts = {message(IDS_NOT_CONFIGURED, platform::LoadText(IDS_FILE_MODULE)),
                     {Role::Error, fm[OutputMessage]}};
            launches = {Make(Purpose::InformationCenter, kInfoCenterUrl)};
            break;
        case NoResult:
            break;
    }
    report.headerId = HeaderOf(report.outcome());
}

}  // namespace

std::wstring Shown(const std::wstring& text) {
    if (text.size() <= kMostShown) {
        return text;
    }
    std::size_t cut = kMostShown - 1;
    // Not between the two halves of a character that UTF-16 writes as a pair.
    if (sizeof(wchar_t) == 2 && text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) {
        --cut;
    }
    return text.substr(0, cut) + L'\u2026';
}

const Launch* ResultReport::LaunchFor(Purpose purpose) const {
    for (const Launch& launch : launches) {
        if (launch.purpose == purpose) {
            return &launch;
        }
    }
    return nullptr;
}

ResultReport ReadReport() {
    ResultReport report;
    ResetToPlaceholder(report.task);
    ResetToPlaceholder(report.fileModules);
    std::vector<std::wstring> described;
    if (ReadResultsQuietly(report.task, report.fileModules, report.files, described) != 0) {
        report.messages = described;
        // A file the reader described is not described twice; a missing one is no message.
        if (described.empty() && report.task[Status].find(L"not found") == std::wstring::npos) {
            report.messages.push_back(report.task[Status]);
        }
        report.startPage = kMainMenuPage;
        return report;
    }
    report.kind =
        ClassifyTask(report.task[Command], report.task[ExitCode], report.fileModules[OutputResult]);
    report.decision = DecideOutcome(*report.kind, report.task, report.fileModules);
    if (report.decision.showUnreadable) {
        report.messages.push_back(platform::LoadText(IDS_RESULTS_UNREADABLE));
    }
    Describe(report);
    if (report.outcome() == NoResult) {
        report.startPage = kMainMenuPage;
    }
    return report;
}

}  // namespace report
