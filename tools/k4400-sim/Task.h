#pragma once
// What the stand-in's storage system and file modules do with a task file: read it as
// strictly as a system would, execute it on the system's remembered state, or refuse it.

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace sim {

// A task file is one short line; anything larger is refused without being read whole.
constexpr std::size_t kMaxTaskFile = 64 * 1024;

// What the system would not execute, and why.
struct Refusal {
    std::string why;
};

// The system's state: the addresses and names earlier tasks set, kept in the key folder.
struct State {
    std::map<std::string, std::string> values;
    std::string Get(const std::string& key, const std::string& fallback = "") const {
        auto it = values.find(key);
        return it == values.end() ? fallback : it->second;
    }
};

State LoadState(const std::filesystem::path& file);
std::string StateText(const State& state);

// Reads a task file of at most kMaxTaskFile bytes, one line of printable text; throws
// Refusal for anything else.
std::string ReadTaskFile(const std::filesystem::path& file);

// Executes a storage command on the state; throws Refusal for what the system would reject.
void ExecuteStorage(const std::string& command, State& state);

// The seven "--key=value" options of a cfginit line, addresses checked; throws Refusal.
std::map<std::string, std::string> ExecuteFileModules(const std::string& line);

bool IsIPv4(const std::string& text);
bool HasControl(const std::string& text);

}  // namespace sim
