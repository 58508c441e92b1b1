#include "cli/Report.h"

#include "app/ResultReport.h"
#include "cli/Json.h"
#include "cli/StringTables.h"
#include "platform/StringIds.h"
#include "platform/Utf8.h"

namespace cli {
namespace {

using platform::FileErrorCause;

// A results file's state as the report names it: "read", "absent", or why it could not be
// opened; null when the start-up did not come to it.
std::string FileState(const std::optional<FileErrorCause>& cause, const wchar_t* name) {
    if (!cause) {
        return json::kNull;
    }
    if (*cause == FileErrorCause::None) {
        return json::String("read");
    }
    if (*cause == FileErrorCause::NotFound) {
        return json::String("absent");
    }
    return json::String(platform::DescribeFileError(*cause, name));
}

// The labels the unified success dialog puts before its addresses.
int LabelOf(const std::string& role) {
    return role == "management_ip"     ? IDS_MANAGEMENT_IP
           : role == "storage_ip"      ? IDS_PRODUCT_NAME
           : role == "file_module1_ip" ? IDS_FILE_MODULE1
           : role == "file_module2_ip" ? IDS_FILE_MODULE2
                                       : 0;
}

bool Succeeded(app::Outcome outcome) {
    return outcome == app::InitSuccess || outcome == app::PasswordResetSuccess ||
           outcome == app::ServiceIpSuccess || outcome == app::UnifiedSuccess;
}

std::string Json(const app::StartupFindings& findings, const dialogs::CResultDialog* dialog,
                 const MessageCatcher& messages) {
    std::string texts = json::kNull, launch = json::kNull;
    if (dialog) {
        json::Members members{{"header", json::String(dialog->Header())}};
        for (const auto& [role, text] : dialog->Texts()) {
            members.emplace_back(role, json::String(text));
        }
        texts = json::Object(members);
        members.clear();
        for (const auto& button : app::Launches(findings, *dialog)) {
            // Keyed by the button's English label, whatever the user's language.
            members.emplace_back(TableText("en_US", button.captionString),
                                 json::StringOrNull(button.url));
        }
        launch = json::Object(members);
    }
    std::vector<std::string> shown;
    for (const MessageCatcher::Shown& message : messages.shown) {
        shown.push_back(json::String(message.text));
    }
    return json::Object({
        {"result_kind",
         findings.kind ? json::String(results::ResultKindName(*findings.kind)) : json::kNull},
        {"dialog", dialog ? json::String(dialog->ClassName()) : json::kNull},
        {"texts", texts},
        {"launch", launch},
        {"messages", json::Array(shown)},
        {"start_page", dialog
                           ? json::kNull
                           : json::String(wizard::kPageClassNames[app::kStartPageWithoutDialog])},
        {"files",
         json::Object(
             {{"satask_result.html", FileState(findings.files.task, L"satask_result.html")},
              {"DORNA_results.txt", FileState(findings.files.fileModules, L"DORNA_results.txt")}})},
    });
}

std::string Text(const app::StartupFindings& findings, const dialogs::CResultDialog& dialog) {
    std::string text = platform::ToUtf8(dialog.Header()) + "\n";
    for (const auto& [role, value] : dialog.Texts()) {
        const int label = LabelOf(role);
        text += (label ? platform::ToUtf8(platform::LoadText(label)) + ": " : "") +
                platform::ToUtf8(value) + "\n";
    }
    for (const auto& button : app::Launches(findings, dialog)) {
        text += platform::ToUtf8(platform::LoadText(button.captionString)) + ": " +
                (button.url ? platform::ToUtf8(*button.url) : "-") + "\n";
    }
    return text;
}

}  // namespace

int ReportResults(const Invocation& invocation, MessageCatcher& messages, std::ostream& out) {
    const app::StartupFindings findings = app::FindResults();
    const std::unique_ptr<dialogs::CResultDialog> dialog = app::MakeResultDialog(findings);
    if (invocation.json) {
        out << Json(findings, dialog.get(), messages) << "\n";
    } else if (dialog) {
        out << Text(findings, *dialog);
    }
    if (dialog) {
        return Succeeded(findings.decision.outcome) ? kExitDone : kExitTaskFailed;
    }
    return findings.files.task == FileErrorCause::NotFound ? kExitNoResults : kExitKey;
}

}  // namespace cli
