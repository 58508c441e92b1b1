#include "app/ResultReport.h"

#include "address/LaunchUrl.h"
#include "framework/Dialog.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace app {

StartupFindings FindResults() {
    using namespace results;
    StartupFindings found;
    ResetToPlaceholder(found.task);
    ResetToPlaceholder(found.fileModules);
    if (ReadResults(found.task, found.fileModules, &found.reported, &found.files) != 0) {
        // A description the reader has shown already is not shown twice.
        if (!found.reported && found.task[Status].find(L"not found") == std::wstring::npos) {
            platform::ShowFileMessage(found.task[Status]);
        }
        return found;
    }
    found.read = true;
    found.kind =
        ClassifyTask(found.task[Command], found.task[ExitCode], found.fileModules[OutputResult]);
    found.decision = DecideOutcome(*found.kind, found.task, found.fileModules);
    if (found.decision.showUnreadable) {
        platform::ShowFileMessage(platform::LoadText(IDS_RESULTS_UNREADABLE));
    }
    return found;
}

std::unique_ptr<dialogs::CResultDialog> MakeResultDialog(const StartupFindings& findings) {
    const ResultDecision& decision = findings.decision;
    const results::TaskResults& task = findings.task;
    const results::FileModuleResults& fm = findings.fileModules;

    using namespace results;
    const std::wstring product = platform::LoadText(IDS_PRODUCT_NAME);
    const std::wstring system = decision.systemAddress;
    const std::wstring battery =
        platform::LoadFormatted(IDS_BATTERY_CHARGING, {task[TimeToCharge]});
    std::unique_ptr<dialogs::CResultDialog> dialog;
    switch (decision.outcome) {
        case InitSuccess:
            dialog = std::make_unique<dialogs::CConfigIPSuccessDlg>();
            dialog->m_strLaunchUrl = L"https://" + system;
            dialog->m_strMessage =
                platform::LoadFormatted(IDS_CONFIGURED_WITH_IP, {product}) + system;
            dialog->m_strBattery = battery;
            dialog->m_strLogin = platform::LoadText(IDS_SUPERUSER_LOGIN);
            break;
        case InitFailure:
            dialog = std::make_unique<dialogs::CConfigIPFailureDlg>();
            dialog->m_strError = task[Output];
            break;
        case PasswordResetSuccess:
            dialog = std::make_unique<dialogs::CResetPasswordSuccessDlg>();
            dialog->m_strIP = system;
            dialog->m_strBattery = battery;
            break;
        case PasswordResetFailure:
            dialog = std::make_unique<dialogs::CResetPasswordFailureDlg>();
            dialog->m_strError = task[Output];
            break;
        case ServiceIpSuccess:
            dialog = std::make_unique<dialogs::CResetIPSuccessDlg>();
            dialog->m_strIP = system;
            dialog->m_strMessage =
                platform::LoadFormatted(IDS_SERVICE_IP_SET, {product}) + decision.serviceAddress;
            dialog->m_strBattery = battery;
            break;
        case ServiceIpFailure:
            dialog = std::make_unique<dialogs::CResetIPFailureDlg>();
            dialog->m_strError = task[Output];
            break;
        case UnifiedSuccess:
            dialog = std::make_unique<dialogs::CConfigNeskSuccessDlg>();
            dialog->m_strIP = fm[ConsoleIp];
            dialog->m_strManagementIP = fm[ConsoleIp];
            dialog->m_strStorageIP = system;
            dialog->m_strFileModule1IP = fm[FileModuleIp1];
            dialog->m_strFileModule2IP = fm[FileModuleIp2];
            dialog->m_strLogin = platform::LoadText(IDS_ADMIN_LOGIN);
            break;
        case UnifiedFileModuleFailure:
            dialog = std::make_unique<dialogs::CConfigNeskFailureDlg>();
            dialog->m_strError = fm[OutputMessage];
            break;
        case NoResult:
            break;
    }
    return dialog;
}

std::vector<dialogs::CResultDialog::LaunchButton> Launches(const StartupFindings& findings,
                                                           const dialogs::CResultDialog& dialog) {
    std::vector<dialogs::CResultDialog::LaunchButton> launches = dialog.LaunchButtons();
    const Next afterOk = DecideAfterDialog(findings.decision.outcome, framework::IDOK).next;
    if (afterOk == Next::LaunchServiceAssistantAndEnd) {
        launches.push_back(
            {dialog.ButtonString(framework::IDOK),
             address::SafeLaunchUrl(L"https://" + findings.decision.serviceAddress)});
    }
    return launches;
}

}  // namespace app
