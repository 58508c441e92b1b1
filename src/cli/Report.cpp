#include "cli/Report.h"

#include "cli/Json.h"
#include "platform/FileError.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "platform/Utf8.h"
#include "report/ResultReport.h"

namespace cli {
namespace {

using platform::FileErrorCause;
using namespace report;

// The names scripts read: fixed, whatever the user's language.
const char* ResultName(results::ResultKind kind) {
    static const char* const kNames[] = {"reset_password_ok",
                                         "reset_password_failed",
                                         "service_ip_default_ok",
                                         "service_ip_default_failed",
                                         "service_ip_ok",
                                         "service_ip_failed",
                                         "service_ip6_ok",
                                         "service_ip6_failed",
                                         "init_ok",
                                         "init_failed",
                                         "init6_ok",
                                         "init6_failed",
                                         "unified_init_ok",
                                         "unified_file_modules_failed",
                                         "unified_storage_failed",
                                         "unrecognised_task"};
    return kNames[kind];
}

const char* OutcomeName(Outcome outcome) {
    static const char* const kNames[] = {"init_success",
                                         "init_failure",
                                         "password_reset_success",
                                         "password_reset_failure",
                                         "service_ip_success",
                                         "service_ip_failure",
                                         "unified_success",
                                         "unified_file_module_failure",
                                         "no_result"};
    return kNames[outcome];
}

const char* RoleName(Role role) {
    static const char* const kNames[] = {"message",         "battery",        "login",
                                         "error",           "management_ip",  "storage_ip",
                                         "file_module1_ip", "file_module2_ip"};
    return kNames[static_cast<int>(role)];
}

const char* PurposeName(Purpose purpose) {
    static const char* const kNames[] = {"management_gui", "service_assistant",
                                         "information_center"};
    return kNames[static_cast<int>(purpose)];
}

// The wizard's start pages by name.
const char* PageName(int page) {
    switch (page) {
        case 3:
            return "password_reset";
        case 4:
            return "service_ip";
        case 7:
            return "unified";
        default:
            return "main_menu";
    }
}

// A results file's state: "read", "absent", or why it could not be opened; null when the
// start-up did not come to it.
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

std::string Json(const ResultReport& report, const std::optional<std::wstring>& failed) {
    std::string texts = json::kNull, launch = json::kNull;
    if (report.headerId) {
        json::Members members{{"header", json::String(platform::LoadText(report.headerId))}};
        for (const Text& text : report.texts) {
            members.emplace_back(RoleName(text.role), json::String(Shown(text.text)));
        }
        texts = json::Object(members);
        members.clear();
        for (const Launch& each : report.launches) {
            members.emplace_back(PurposeName(each.purpose), json::StringOrNull(each.checked));
        }
        launch = json::Object(members);
    }
    std::vector<std::string> messages;
    for (const std::wstring& message : report.messages) {
        messages.push_back(json::String(message));
    }
    json::Members members{
        {"version", "1"},
        {"result", report.kind ? json::String(ResultName(*report.kind)) : json::kNull},
        {"outcome", json::String(OutcomeName(report.outcome()))},
        {"texts", texts},
        {"launch", launch},
        {"messages", json::Array(messages)},
        {"start_page", report.startPage ? json::String(PageName(*report.startPage)) : json::kNull},
        {"files",
         json::Object(
             {{"satask_result.html", FileState(report.files.task, L"satask_result.html")},
              {"DORNA_results.txt", FileState(report.files.fileModules, L"DORNA_results.txt")}})},
    };
    if (failed) {
        members.emplace_back("failed", json::Object({{"message", json::String(*failed)}}));
    }
    return json::Object(members) + "\n";
}

// A label and its value joined as the user's language joins them ("%1 : %2" in French).
std::string Labelled(int labelId, const std::wstring& value) {
    return platform::ToUtf8(
        platform::LoadFormatted(IDS_FW_LABEL_JOIN, {platform::LoadName(labelId), value}));
}

std::string Text(const ResultReport& report) {
    std::string text = platform::ToUtf8(platform::LoadText(report.headerId)) + "\n";
    for (const report::Text& each : report.texts) {
        text += (each.labelId ? Labelled(each.labelId, Shown(each.text))
                              : platform::ToUtf8(Shown(each.text))) +
                "\n";
    }
    for (const Launch& each : report.launches) {
        text += Labelled(each.captionId, each.checked ? *each.checked : L"-") + "\n";
    }
    return text;
}

bool Succeeded(Outcome outcome) {
    return outcome == InitSuccess || outcome == PasswordResetSuccess ||
           outcome == ServiceIpSuccess || outcome == UnifiedSuccess;
}

}  // namespace

std::string ResultsKeyFailureJson(const std::wstring& message) {
    return Json(ResultReport{}, message);
}

int RunResults(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    const ResultReport report = ReadReport();
    for (const std::wstring& message : report.messages) {
        err << "k4400-init-cli: " << platform::ToUtf8(message) << "\n";
    }
    const bool noResults = report.files.task == FileErrorCause::NotFound;
    if (noResults) {
        err << "k4400-init-cli: "
            << platform::ToUtf8(
                   platform::DescribeFileError(FileErrorCause::NotFound, L"satask_result.html"))
            << "\n";
    }
    if (invocation.json) {
        out << Json(report, std::nullopt);
    } else if (report.headerId) {
        out << Text(report);
    }
    if (report.headerId) {
        return Succeeded(report.outcome()) ? kExitDone : kExitTaskFailed;
    }
    return noResults ? kExitNoResults : kExitKey;
}

}  // namespace cli
