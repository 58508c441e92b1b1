#pragma once
// The unified system's task as values: the storage system's address, mask and gateway
// (the first page), then the management address, the two file modules and the internal
// range (the second page), which writes both task files.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "forms/Refusal.h"
#include "taskfile/TaskFile.h"

namespace forms {

// What an IP address control holds: its value (first octet most significant, blank fields
// 0) and how many of its four fields are filled in.
struct AddressEntry {
    std::uint32_t value = 0;
    int filled = 0;
};

// The internal address ranges, with the blanks before the dash that are part of their text.
inline constexpr std::array<const wchar_t*, 3> kInternalRanges = {
    L"172.31.8.1  - 172.31.8.10", L"192.168.8.1 - 192.168.8.10", L"10.254.8.1   - 10.254.8.10"};

// The first page's entries, accepted as the storage system's values.
struct StorageValues {
    std::uint32_t address = 0;
    std::uint32_t mask = 0;
    std::uint32_t gateway = 0;
};

struct StorageForm {
    AddressEntry address;
    AddressEntry mask;
    AddressEntry gateway;

    // Each address complete, not 0.0.0.0 and unique where it must be, then the address and
    // the gateway on one subnet.
    std::optional<Refusal> Check() const;
    StorageValues Accepted() const { return {address.value, mask.value, gateway.value}; }
};

struct FileModulesForm {
    StorageValues storage;  // what the first page accepted
    AddressEntry management;
    AddressEntry module1;
    AddressEntry module2;
    std::wstring range;  // the chosen entry's text; empty: none chosen

    // The three addresses, the range, then each address on the storage system's subnet.
    std::optional<Refusal> Check() const;
    // Both task files, satask.txt first.
    taskfile::TaskLines Compose() const;
};

}  // namespace forms
