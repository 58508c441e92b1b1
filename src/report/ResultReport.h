#pragma once
// What the results on the key report, as one value: the task they name and its outcome, the
// result dialog's header and texts by role (with the labels some are shown under), the pages
// it can open by purpose (the URL, or nothing where the launch check refuses the address),
// the start-up's messages, the wizard's page when no dialog decides, and what became of each
// results file. The result dialogs render it, the start-up flow acts on it, the command line
// prints it. No window: plain C++.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "report/Decisions.h"
#include "results/ClassifyTask.h"
#include "results/Results.h"

namespace report {

// The documentation page that Launch Info Center opens.
inline constexpr wchar_t kInfoCenterUrl[] =
    L"https://www.quorvex.com/support/docs/veltara-k4400/installation/troubleshooting";

// Text from a key can have any length; at most this many characters of it are shown, the rest
// cut off behind an ellipsis (the whole text stays in the report).
inline constexpr std::size_t kMostShown = 8192;
std::wstring Shown(const std::wstring& text);

enum class Role {
    Message,
    Battery,
    Login,
    Error,
    ManagementIp,
    StorageIp,
    FileModule1Ip,
    FileModule2Ip,
};

enum class Purpose { ManagementGui, ServiceAssistant, InformationCenter };

struct Text {
    Role role;
    std::wstring text;
    int labelId = 0;  // the label it stands beside, 0: none
};

struct Launch {
    Purpose purpose;
    int captionId;     // the button's caption
    std::wstring url;  // as formed from what the key reported
    // What is opened: the URL once the launch check passed it; nothing where it refuses it.
    std::optional<std::wstring> checked;
    // Opened by the start-up after the dialog ends with OK, not by a button of its own.
    bool afterDialog = false;
};

// The page the wizard opens on when no result dialog decides.
inline constexpr int kMainMenuPage = 0;

struct ResultReport {
    results::TaskResults task{};
    results::FileModuleResults fileModules{};
    results::ResultsFiles files;
    // The task the results report, when they were read.
    std::optional<results::ResultKind> kind;
    ResultDecision decision;
    // The result dialog's header (0: no dialog), texts in the order it shows them, launches.
    int headerId = 0;
    std::vector<Text> texts;
    std::vector<Launch> launches;
    // The address the dialog's launch buttons add their scheme and path to.
    std::wstring launchAddress;
    // The start-up's messages, in the order it shows them, before any dialog.
    std::vector<std::wstring> messages;
    // Where the wizard starts when no dialog decides; nothing when one does.
    std::optional<int> startPage;

    Outcome outcome() const { return decision.outcome; }
    const Launch* LaunchFor(Purpose purpose) const;
};

// Reads and classifies the results in the current directory into a report. Shows nothing.
ResultReport ReadReport();

}  // namespace report
