#pragma once
// Where a program started without a key folder works. It is started from the key, so the
// current directory is the key: except on Windows when that directory is the Windows folder
// or its system folder, where an elevated start ("Run as administrator") or some launchers
// put a program, and where no key ever is. Then the key is the folder that holds the program.

#include <optional>
#include <string>
#include <vector>

namespace platform {

// The folder to work in instead of the current directory; nothing to stay where it is
// (always, but on Windows).
std::optional<std::wstring> KeyFolderInstead();

// The rule, for the folders given: whether `current` is one of `systemFolders`, compared
// without regard to letter case or a final backslash. An empty `current` (the system could
// not say it) counts as one of them.
bool IsSystemFolder(const std::wstring& current, const std::vector<std::wstring>& systemFolders);

}  // namespace platform
