#pragma once
// The key's file primitives the task files are written, read back and removed with: one set
// per system, each asking the key-fault hook first (platform/KeyFaults.h), so that a test can
// fail any of them in turn. Inside taskfile/ only.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/KeyFaults.h"

namespace taskfile::files {

// The text as plain printable ASCII; false for anything else.
bool Narrow(const std::wstring& wide, std::string& out);

// A fault a test set, made the system's own error (errno, and on Windows the last error as
// well); true when the operation is to fail.
bool Fails(const platform::KeyFault& fault);
bool Injected(platform::KeyOperation operation);

// A temporary file of our own name in the current directory, open for writing; -1 (errno).
int CreateTemporary(std::string& name);
bool WriteAll(int fd, const std::string& line);
bool Sync(int fd);
bool CloseFile(int fd);
// `from` renamed over `to`, replacing it (read-only or not); false (errno).
bool Replace(const std::string& from, const char* to);
// The current folder synced, so that a new name is on the medium; 0 or an errno value.
int SyncFolder();
// A file or link removed, never a folder; 0, or -1 (errno).
int Unlink(const char* name);
bool IsRegularFile(const char* name);
// What `name` holds read back past the system's cache, at most `most` bytes and a little
// more; false (errno) when it cannot be read.
bool ReadUncached(const char* name, std::size_t most, std::string& bytes);
// The current folder's name; empty when the system cannot say it (it was removed).
std::wstring CurrentFolder();
// The names in the current folder; names a temporary cannot have (not plain ASCII) left out.
std::vector<std::string> DirectoryNames();

}  // namespace taskfile::files
