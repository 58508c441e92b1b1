#pragma once
// The stand-in's one run on a key folder: the task files found there executed the way the
// system would, every result decided before any file is written, the results files written
// back whole. Returns the program's exit code (0 executed, 1 nothing to execute, 2 refused or
// not written), having said so on stdout or stderr.

#include "CommandLine.h"

namespace sim {

int Run(const Options& options);

}  // namespace sim
