#pragma once
// The commands that write a task: their entries made on the wizard's own pages, without
// windows (the framework's headless backend), and Next pressed. The pages check the entries
// in their order with their messages and write the files through the same writer: the
// command line adds no rule of its own, only the shapes an option's text must have to be
// typed into a page's boxes at all.

#include <string>
#include <utility>
#include <vector>

#include "cli/Messages.h"
#include "cli/Options.h"

namespace cli {

struct TaskOutcome {
    enum Result { Written, Refused, NotWritten };
    Result result = NotWritten;
    // Refused: the option of the entry to mend, the message, and whether it was the question
    // that --yes answers.
    std::string field;
    std::wstring message;
    bool question = false;
    // Written: each task file and its line.
    std::vector<std::pair<std::string, std::string>> files;
};

// Runs the task command of `invocation` in the current directory; the messages the pages
// and the writer show go to `messages`.
TaskOutcome RunTask(const Invocation& invocation, MessageCatcher& messages);

// The same in a scratch folder of its own, which is removed again: what --dry-run prints.
TaskOutcome RehearseTask(const Invocation& invocation, MessageCatcher& messages);

}  // namespace cli
