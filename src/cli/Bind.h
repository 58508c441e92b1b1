#pragma once
// The options of a task command put into the task's forms, as a person types them into the
// page's boxes: dotted IPv4 text into four octet boxes, IPv6 text into its box, an address
// into an IP address control, the range picked from its list. Text that no such box can
// hold is refused here with that box's own message; everything else is the forms' to check.

#include <optional>
#include <string>

#include "cli/Options.h"
#include "forms/AddressForm.h"
#include "forms/UnifiedForms.h"

namespace cli {

struct BoundTask {
    std::optional<forms::AddressForm> address;      // new-system, service-ip
    std::optional<forms::StorageForm> storage;      // unified, first page
    std::optional<forms::FileModulesForm> modules;  // unified, second page
    // Text that no box can hold.
    std::optional<forms::Refusal> refused;
};

BoundTask Bind(const Invocation& invocation);

// The option that names an entry ("--address").
const char* OptionOf(forms::Entry entry);

// What an IP address control holds once dotted text is typed into it: a field over 255, not
// digits, or more than four fields leave it blank.
forms::AddressEntry AddressFields(const std::wstring& text);

}  // namespace cli
