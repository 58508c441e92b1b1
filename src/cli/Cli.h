#pragma once
// k4400-init-cli: the wizard's tasks and its results report from a terminal or a script.
// One more front door to the same pages, writer and start-up report as the wizard's.

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// Runs the command line `args` (UTF-8, without the program's name): what it reports on
// `out`, its messages on `err`, in the language of the installed platform's strings.
// Returns the exit code. The current directory is the same afterwards.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
