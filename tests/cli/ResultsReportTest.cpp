// `results --json` on every key folder among the fixtures, against what the wizard's start-up
// does with the same key: the dialog it shows (its class, header and texts), what each launch
// button opens, the messages it shows, the page it starts on; and against the fixture's own
// record of the result kind and the results files.
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "CliTest.h"
#include "app/MyWizardApp.h"
#include "cli/Json.h"
#include "dialogs/ResultDialogs.h"
#include "platform/FileError.h"
#include "results/ClassifyTask.h"

namespace tests {
namespace {

using namespace dialogs;
namespace json = cli::json;

// Each dialog by its template: the outcome it reports, where it shows its texts by role, and
// its launch buttons by purpose (Init failure's OK opens the service assistant after it).
struct DialogLayout {
    const char* outcome;
    std::vector<std::pair<std::string, int>> texts;
    std::vector<std::pair<std::string, int>> launches;
};
const std::map<int, DialogLayout> kLayouts = {
    {102,
     {"init_success",
      {{"message", CConfigIPSuccessDlg::IDC_MESSAGE},
       {"battery", CConfigIPSuccessDlg::IDC_BATTERY},
       {"login", CConfigIPSuccessDlg::IDC_LOGIN}},
      {{"management_gui", CConfigIPSuccessDlg::IDC_LAUNCH_GUI}}}},
    {133,
     {"init_failure",
      {{"message", CConfigIPFailureDlg::IDC_MESSAGE}, {"error", CConfigIPFailureDlg::IDC_ERROR}},
      {{"service_assistant", framework::IDOK}}}},
    {134,
     {"password_reset_success",
      {{"message", CResetPasswordSuccessDlg::IDC_MESSAGE},
       {"battery", CResetPasswordSuccessDlg::IDC_BATTERY}},
      {{"management_gui", CResetPasswordSuccessDlg::IDC_LAUNCH_GUI},
       {"service_assistant", CResetPasswordSuccessDlg::IDC_LAUNCH_SERVICE_ASSISTANT}}}},
    {135,
     {"password_reset_failure",
      {{"message", CResetPasswordFailureDlg::IDC_MESSAGE},
       {"error", CResetPasswordFailureDlg::IDC_ERROR}},
      {}}},
    {136,
     {"service_ip_success",
      {{"message", CResetIPSuccessDlg::IDC_MESSAGE}, {"battery", CResetIPSuccessDlg::IDC_BATTERY}},
      {{"management_gui", CResetIPSuccessDlg::IDC_LAUNCH_GUI},
       {"service_assistant", CResetIPSuccessDlg::IDC_LAUNCH_SERVICE_ASSISTANT}}}},
    {137,
     {"service_ip_failure",
      {{"message", CResetIPFailureDlg::IDC_MESSAGE}, {"error", CResetIPFailureDlg::IDC_ERROR}},
      {}}},
    {155,
     {"unified_success",
      {{"message", CConfigNeskSuccessDlg::IDC_MESSAGE},
       {"management_ip", CConfigNeskSuccessDlg::IDC_MANAGEMENT_IP},
       {"storage_ip", CConfigNeskSuccessDlg::IDC_STORAGE_IP},
       {"file_module1_ip", CConfigNeskSuccessDlg::IDC_MODULE1_IP},
       {"file_module2_ip", CConfigNeskSuccessDlg::IDC_MODULE2_IP},
       {"login", CConfigNeskSuccessDlg::IDC_LOGIN}},
      {{"management_gui", CConfigNeskSuccessDlg::IDC_LAUNCH_GUI}}}},
    {156,
     {"unified_file_module_failure",
      {{"message", CConfigNeskFailureDlg::IDC_MESSAGE},
       {"error", CConfigNeskFailureDlg::IDC_ERROR}},
      {{"information_center", CConfigNeskFailureDlg::IDC_LAUNCH_INFO_CENTER}}}},
};

// "InitOk" as scripts read it: "init_ok".
std::string Snake(const std::string& name) {
    std::string out;
    for (char c : name) {
        if (std::isupper(static_cast<unsigned char>(c)) && !out.empty()) {
            out += '_';
        }
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

struct ProgramEnded {};

// The fixture's record: a "name value" line of expect.txt, quotes removed.
std::string Recorded(const std::filesystem::path& fixture, const std::string& name) {
    std::ifstream in(fixture / "expect.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(name + " ", 0) == 0) {
            std::string value = line.substr(name.size() + 1);
            if (value.size() >= 2 && value.front() == '"') {
                value = value.substr(1, value.size() - 2);
            }
            return value;
        }
    }
    return "x";  // "rest x": an entry not named keeps the placeholder
}

class ResultsReport : public CliLogic {
  protected:
    void SetUp() override {
        CliLogic::SetUp();
        fake.onEnd = [](int) { throw ProgramEnded{}; };
    }

    // The start-up on the key as it stands; `act` gets the dialog it shows, if any, which
    // it leaves open (Cancel) or ends. The page it starts on; -1 when the program ended.
    int StartUp(const std::function<void(framework::CDialog&)>& act) {
        app::CMyWizardApp application;
        int start = -1;
        try {
            driver->WhileModal(act, [&] { start = application.ChooseStartPage(); });
        } catch (const ProgramEnded&) {
        }
        return start;
    }

    // What the launch button `control` opens: the URL the browser was given, or null.
    std::string Launch(int control) {
        fake.launches.clear();
        StartUp([&](framework::CDialog& dialog) {
            try {
                driver->Click(dialog, control);
            } catch (const ProgramEnded&) {
            }
        });
        return fake.launches.empty() ? json::kNull : json::String(fake.launches.back());
    }

    std::string ExpectedFor(const std::filesystem::path& fixture) {
        fake.messages.clear();
        int shown = 0;
        json::Members texts;
        const int start = StartUp([&](framework::CDialog& dialog) {
            shown = dialog.GetTemplateId();
            texts.emplace_back("header",
                               json::String(dialog.Ctl().Text(CResultDialog::IDC_HEADER)));
            for (const auto& [role, id] : kLayouts.at(shown).texts) {
                texts.emplace_back(role, json::String(dialog.Ctl().Text(id)));
            }
        });
        std::vector<std::string> messages;
        for (const std::wstring& text : fake.texts()) {
            messages.push_back(json::String(text));
        }
        json::Members launches;
        if (shown) {
            for (const auto& [purpose, control] : kLayouts.at(shown).launches) {
                launches.emplace_back(purpose, Launch(control));
            }
        }
        const std::string kind = Recorded(fixture, "kind");
        auto state = [](const std::string& recorded, bool exists) -> std::string {
            if (recorded == "#9017") {
                return json::String(platform::DescribeFileError(platform::FileErrorCause::NotAFile,
                                                                L"DORNA_results.txt"));
            }
            return recorded == "x" ? json::kNull : json::String(exists ? "read" : "absent");
        };
        const bool task = std::filesystem::exists(fixture / "satask_result.html");
        const bool taskIsFolder = std::filesystem::is_directory(fixture / "satask_result.html");
        return json::Object({
                   {"version", "1"},
                   {"result", kind == "x"
                                  ? json::kNull
                                  : json::String(Snake(results::ResultKindName(
                                        static_cast<results::ResultKind>(std::stoi(kind)))))},
                   {"outcome", json::String(shown ? kLayouts.at(shown).outcome : "no_result")},
                   {"texts", shown ? json::Object(texts) : json::kNull},
                   {"launch", shown ? json::Object(launches) : json::kNull},
                   {"messages", json::Array(messages)},
                   {"start_page",
                    shown ? json::kNull : json::String(start == kPageMain ? "main_menu" : "?")},
                   {"files",
                    json::Object(
                        {{"satask_result.html",
                          taskIsFolder
                              ? json::String(platform::DescribeFileError(
                                    platform::FileErrorCause::NotAFile, L"satask_result.html"))
                              : json::String(task ? "read" : "absent")},
                         {"DORNA_results.txt",
                          state(Recorded(fixture, "fm.Status"),
                                std::filesystem::exists(fixture / "DORNA_results.txt"))}})},
               }) +
               "\n";
    }
};

TEST_F(ResultsReport, EveryFixtureIsReportedAsTheStartUpShowsIt) {
    int fixtures = 0, dialogs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(K4400_FIXTURES)) {
        SCOPED_TRACE(entry.path().filename().string());
        TempKey key;
        TempKey::CopyFixture(entry.path());
        const std::string expected = ExpectedFor(entry.path());
        fake.messages.clear();
        const CliRun run = RunCli({"--json", "results"});
        EXPECT_EQ(run.out, expected);
        // The plain report says the same, for people.
        const CliRun plain = RunCli({"results"});
        EXPECT_EQ(plain.code, run.code);
        EXPECT_EQ(plain.out.empty(), expected.find("\"texts\":null") != std::string::npos);
        // Nothing is removed from the key: the results are read again at the next start.
        EXPECT_EQ(std::filesystem::exists("satask_result.html"),
                  std::filesystem::exists(entry.path() / "satask_result.html"));
        ++fixtures;
        dialogs += expected.find("\"texts\":null") == std::string::npos;
    }
    EXPECT_GE(fixtures, 30);
    EXPECT_GE(dialogs, 15);
}

// The exit code says what the results report: a task that succeeded, one that failed, none
// on the key, or results that cannot be read.
TEST_F(ResultsReport, TheExitCodeSaysWhatTheResultsReport) {
    const std::pair<const char*, int> cases[] = {
        {"ipv4-init-ok", 0},
        {"unified-ok", 0},
        {"service-ipv6-ok", 0},
        {"reset-password-ok", 0},
        {"ipv4-init-failed", 4},
        {"unified-storage-failed", 4},
        {"unified-file-modules-failed", 4},
        {"service-default-failed", 4},
        {"first-run", 5},
        {"empty", 3},
        {"task-results-unopenable", 3},
        {"unified-file-modules-missing", 3},
    };
    for (const auto& [fixture, code] : cases) {
        SCOPED_TRACE(fixture);
        TempKey key;
        TempKey::CopyFixture(std::filesystem::path(K4400_FIXTURES) / fixture);
        EXPECT_EQ(RunCli({"results"}).code, code);
    }
}

}  // namespace
}  // namespace tests
