#pragma once
// What the start-up finds on the key, before any window: the results read and classified, the
// outcome with its addresses, and the result dialog that reports it, its texts set as the
// start-up sets them. The wizard's start-up shows the dialog; the command line reports it.

#include <memory>
#include <optional>
#include <vector>

#include "app/StartupDecisions.h"
#include "dialogs/ResultDialogs.h"
#include "results/ClassifyTask.h"
#include "results/Results.h"
#include "wizard/PageIds.h"

namespace app {

struct StartupFindings {
    results::TaskResults task{};
    results::FileModuleResults fileModules{};
    // The task results were usable (and the file modules' file read or absent).
    bool read = false;
    // The reader could not open a file and has described it; nothing more is shown then.
    bool reported = false;
    // What became of each results file.
    results::ResultsFiles files;
    // The task the results report, when they were read.
    std::optional<results::ResultKind> kind;
    ResultDecision decision;
};

// The page the wizard opens on when the start-up shows no result dialog.
inline constexpr int kStartPageWithoutDialog = wizard::kPageMain;

// Reads and classifies the results in the current directory, showing the messages the
// start-up shows (an unusable results file, a file that cannot be opened) as it goes.
StartupFindings FindResults();

// The result dialog for what was found, with the members the start-up sets before showing
// it; null when there is nothing to report in a dialog.
std::unique_ptr<dialogs::CResultDialog> MakeResultDialog(const StartupFindings& findings);

// Each launch the dialog offers, as its buttons' captions and the URLs they open (nothing
// where the launch check refuses the address): the buttons that open a page themselves, then
// OK where the start-up opens the service assistant once the dialog has ended.
std::vector<dialogs::CResultDialog::LaunchButton> Launches(const StartupFindings& findings,
                                                           const dialogs::CResultDialog& dialog);

}  // namespace app
