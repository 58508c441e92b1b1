#include "app/MyWizardApp.h"

#include <cerrno>
#include <memory>

#include "address/LaunchUrl.h"
#include "app/StartupDecisions.h"
#include "dialogs/ResultDialogs.h"
#include "framework/Text.h"
#include "platform/FileError.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "report/ResultReport.h"
#include "taskfile/TaskFile.h"
#include "wizard/MyPropertySheet.h"

namespace app {

namespace {
CMyWizardApp* theApp = nullptr;
}  // namespace

CMyWizardApp* AfxGetApp() {
    return theApp;
}

CMyWizardApp::CMyWizardApp() {
    theApp = this;
    wizard::SetUnifiedValueStore(this);
    // Every run starts without a storage task file; one exists afterwards only if this
    // run's wizard writes it. One that stays (a write-protected key, a file held open) would
    // be executed by the system: the user hears of it, with the cause, once.
    if (const int failure = taskfile::RemoveTaskFile(taskfile::kTaskFile); failure != 0) {
        const std::wstring name = L"satask.txt";
        platform::ShowFileMessage(
            platform::LoadFormatted(IDS_FW_STALE_TASK_KEPT, {name}) + L"\n\n" +
            taskfile::DescribeCause(platform::CauseFromErrno(failure), taskfile::kTaskFile));
    }
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
    const report::ResultReport found = report::ReadReport();
    for (const std::wstring& message : found.messages) {
        platform::ShowFileMessage(message);
    }
    std::unique_ptr<dialogs::CResultDialog> dialog = dialogs::MakeResultDialog(found);
    if (!dialog) {
        return found.startPage.value_or(report::kMainMenuPage);
    }
    const int endCode = dialog->DoModal();
    const AfterDialog after = DecideAfterDialog(found.outcome(), endCode);
    switch (after.next) {
        case Next::StartWizard:
            return after.startPage;
        case Next::LaunchServiceAssistantAndEnd:
            // The dialog is gone: the message, if any, has no window to belong to.
            if (const report::Launch* launch = found.LaunchFor(report::Purpose::ServiceAssistant)) {
                if (const auto message = address::OpenLaunchUrl(launch->url)) {
                    platform::ShowFileMessage(*message);
                }
            }
            [[fallthrough]];
        case Next::EndProgram:
            platform::Current().EndProgram(0);
    }
    return 0;
}

}  // namespace app
