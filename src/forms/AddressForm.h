#pragma once
// The new-system task and the service-IP task as values: the entries as they stand in the
// page's boxes, checked in the page's order, composed into the task line.

#include <array>
#include <optional>
#include <string>

#include "address/AddressChecks.h"
#include "forms/Refusal.h"
#include "taskfile/TaskFile.h"

namespace forms {

enum class AddressTask { NewSystem, ServiceIp };

struct AddressForm {
    using Row = std::array<std::wstring, 4>;

    explicit AddressForm(AddressTask task) : task(task) {}

    AddressTask task;
    // The service IP set back to the canister's default: no address is checked.
    bool resetDefault = false;
    int mode = address::kModeIPv4;
    // The octet boxes as they read, octet 1 to 4 from the left, with the page's first texts.
    Row address{L"0", L"0", L"0", L"0"};
    Row mask{L"255", L"255", L"255", L"0"};
    Row gateway{L"0", L"0", L"0", L"0"};
    // The IPv6 boxes as typed (the prefix box reads "0" until the user types in it).
    std::wstring v6Address;
    std::wstring prefix = L"0";
    std::wstring v6Gateway;
    // The answer to the parser's question: OK, write the address it cannot validate.
    bool confirmed = false;

    // The first refusal, in the page's order: every box read as an integer (in the order
    // the page reads them), then the rows or the IPv6 entries, then the parser's question
    // unless it was answered OK. Nothing when the task can be written.
    std::optional<Refusal> Check() const;
    // The task line of entries that passed Check.
    taskfile::TaskLines Compose() const;
};

}  // namespace forms
