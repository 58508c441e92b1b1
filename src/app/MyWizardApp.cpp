#include "app/MyWizardApp.h"

#include <memory>

#include "address/LaunchUrl.h"
#include "app/StartupDecisions.h"
#include "dialogs/ResultDialogs.h"
#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "results/ClassifyTask.h"
#include "results/Results.h"
#include "taskfile/TaskFile.h"
#include "wizard/MyPropertySheet.h"

namespace app {

namespace {

CMyWizardApp* theApp = nullptr;

// The dialog for an outcome, with the members the flow sets before it is shown.
std::unique_ptr<dialogs::CResultDialog> MakeDialog(const ResultDecision& decision,
                                                   const results::TaskResults& task,
                                                   const results::FileModuleResults& fm) {
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

}  // namespace

CMyWizardApp* AfxGetApp() {
    return theApp;
}

CMyWizardApp::CMyWizardApp() {
    theApp = this;
    wizard::SetUnifiedValueStore(this);
    // Every run starts without a storage task file; one exists afterwards only if this
    // run's wizard writes it.
    taskfile::RemoveQuietly(taskfile::kTaskFile);
    // A write that was killed half-way leaves its temporary file; it is never a command.
    taskfile::RemoveLeftoverTemporaries();
}

CMyWizardApp::~CMyWizardApp() {
    wizard::SetUnifiedValueStore(nullptr);
    if (theApp == this) {
        theApp = nullptr;
    }
}

bool CMyWizardApp::InitInstance() {
    m_nStartPage = ChooseStartPage();
    wizard::CMyPropertySheet sheet(m_nStartPage);
    sheet.DoModal();
    return false;
}

int CMyWizardApp::ChooseStartPage() {
    using namespace results;
    TaskResults task;
    FileModuleResults fileModules;
    ResetToPlaceholder(task);
    ResetToPlaceholder(fileModules);
    bool reported = false;
    ResultDecision decision;
    if (ReadResults(task, fileModules, &reported) != 0) {
        // A description the reader has shown already is not shown twice.
        if (!reported && task[Status].find(L"not found") == std::wstring::npos) {
            platform::ShowFileMessage(task[Status]);
        }
    } else {
        const ResultKind kind =
            ClassifyTask(task[Command], task[ExitCode], fileModules[OutputResult]);
        decision = DecideOutcome(kind, task, fileModules);
        if (decision.showUnreadable) {
            platform::ShowFileMessage(platform::LoadText(IDS_RESULTS_UNREADABLE));
        }
    }
    std::unique_ptr<dialogs::CResultDialog> dialog = MakeDialog(decision, task, fileModules);
    if (!dialog) {
        return 0;
    }
    const int endCode = dialog->DoModal();
    const AfterDialog after = DecideAfterDialog(decision.outcome, endCode);
    switch (after.next) {
        case Next::StartWizard:
            return after.startPage;
        case Next::LaunchServiceAssistantAndEnd:
            // The dialog is gone: the message, if any, has no window to belong to.
            if (const auto message =
                    address::OpenLaunchUrl(L"https://" + decision.serviceAddress)) {
                platform::ShowFileMessage(*message);
            }
            [[fallthrough]];
        case Next::EndProgram:
            platform::Current().EndProgram(0);
    }
    return 0;
}

}  // namespace app
