#pragma once
// The version of the programs, from git at configure time ("1.0.0", or "1.0.0+12.gabcdef1234"
// for a commit after the tag): the same in every program, package and file name.

namespace platform {

extern const char kVersion[];

}  // namespace platform
