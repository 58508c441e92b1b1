#pragma once
// The results command: what the system wrote back, read and classified as the wizard's
// start-up does, and what its result dialog shows and offers, as text for people or as one
// JSON object (version 1) for scripts.

#include <ostream>

#include "cli/Options.h"

namespace cli {

// Reports on `out`, the start-up's messages on `err`. Returns the exit code: done for a task
// that succeeded, task failed, no results, or the key unreadable.
int RunResults(const Invocation& invocation, std::ostream& out, std::ostream& err);

// The results' JSON (version 1) when the key folder itself could not be entered.
std::string ResultsKeyFailureJson(const std::wstring& message);

}  // namespace cli
