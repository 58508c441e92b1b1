#pragma once
// The results command: what the system wrote back, read and classified as the wizard's
// start-up does, and what its result dialog would show and offer, as text for people or as
// one JSON object for scripts.

#include <ostream>

#include "cli/Messages.h"
#include "cli/Options.h"

namespace cli {

// Reports on `out`; the start-up's messages are caught by `messages`. Returns the exit code:
// done for a task that succeeded, task failed, no results, or the key unreadable.
int ReportResults(const Invocation& invocation, MessageCatcher& messages, std::ostream& out);

}  // namespace cli
