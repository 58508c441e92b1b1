#pragma once
// Where a program started without a key folder works. It is started from the key, so the
// current directory is the key: except on Windows when that directory is the Windows folder
// or its system folder, where an elevated start ("Run as administrator") or some launchers
// put a program, and where no key ever is. Then the key is the folder that holds the program.

#include <functional>
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

// Where the task files go, as the system sees the folder: the storage system reads them only
// from the top folder of a USB key, so a task written anywhere else is never executed.
struct KeyPlace {
    std::wstring folder;    // the key folder, absolute
    bool topFolder = true;  // the top folder of its volume
    bool removable = true;  // on a removable drive (Linux: a removable or USB block device)
    bool OnKey() const { return topFolder && removable; }
};

// The current directory's place. What the system cannot say counts as on a key: this only
// ever warns.
KeyPlace ProbeKeyPlace();
// Tests replace the probe; an empty one restores the system's.
void SetKeyPlaceProbe(std::function<KeyPlace()> probe);

#ifndef _WIN32
// Whether the block device `major`:`minor` is removable or on USB, as `sysRoot` ("/sys")
// describes it; a partition answers for its disk. No such device: false.
bool IsRemovableBlockDevice(const std::string& sysRoot, unsigned major, unsigned minor);
#endif

}  // namespace platform
