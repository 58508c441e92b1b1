#pragma once
// The results files the stand-in writes back onto the key, in the formats the wizard reads,
// written whole or not at all.

#include <filesystem>
#include <map>
#include <string>

#include "CommandLine.h"
#include "Task.h"

namespace sim {

// satask_result.html: the echoed command with its output and exit code, then the status.
std::string StorageResults(const std::string& echoed, const std::string& output,
                           const std::string& exitCode, const State& state);
// DORNA_results.txt: the file modules' report on a cfginit line.
std::string FileModuleResults(const std::string& line,
                              const std::map<std::string, std::string>& values, bool failed,
                              const std::string& failure);
// Upper case and CR LF line ends, where the options ask for them.
std::string Finish(std::string text, const Options& options);

// Writes a file so that its name only ever holds the whole text, on the medium.
bool WriteFile(const std::filesystem::path& file, const std::string& text);

}  // namespace sim
