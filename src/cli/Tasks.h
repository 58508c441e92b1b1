#pragma once
// The commands that write a task, and clear: the options bound to the task's forms, the
// forms' refusal told, what they compose written to the key through the task writer (or only
// printed, for --dry-run), in the current directory.

#include <ostream>

#include "cli/Options.h"

namespace cli {

int RunTask(const Invocation& invocation, std::ostream& out, std::ostream& err);
int RunClear(const Invocation& invocation, std::ostream& out, std::ostream& err);

// A task's JSON (version 1) when the key folder itself could not be entered.
std::string KeyFailureJson(const Invocation& invocation, const std::wstring& message);

}  // namespace cli
