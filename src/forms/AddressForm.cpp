#include "forms/AddressForm.h"

#include <utility>

#include "platform/Integer.h"
#include "platform/StringIds.h"

namespace forms {
namespace {

struct Box {
    Entry entry;
    int octet;
};

// The boxes in the order each page reads them into its members.
constexpr Box kNewSystemOrder[] = {{Entry::Address, 0}, {Entry::Address, 1}, {Entry::Address, 2},
                                   {Entry::Address, 3}, {Entry::Mask, 0},    {Entry::Mask, 1},
                                   {Entry::Mask, 2},    {Entry::Mask, 3},    {Entry::Gateway, 0},
                                   {Entry::Gateway, 1}, {Entry::Gateway, 2}, {Entry::Gateway, 3},
                                   {Entry::Prefix, 0}};
constexpr Box kServiceIpOrder[] = {{Entry::Mask, 3},    {Entry::Mask, 2},    {Entry::Mask, 1},
                                   {Entry::Mask, 0},    {Entry::Address, 3}, {Entry::Address, 2},
                                   {Entry::Address, 1}, {Entry::Address, 0}, {Entry::Gateway, 1},
                                   {Entry::Gateway, 3}, {Entry::Gateway, 2}, {Entry::Gateway, 0},
                                   {Entry::Prefix, 0}};

Entry RowEntry(address::Ipv4Row row) {
    return row == address::Ipv4Row::Address ? Entry::Address
           : row == address::Ipv4Row::Mask  ? Entry::Mask
                                            : Entry::Gateway;
}

Entry BoxEntry(address::Ipv6Box box) {
    return box == address::Ipv6Box::Address  ? Entry::V6Address
           : box == address::Ipv6Box::Prefix ? Entry::Prefix
                                             : Entry::V6Gateway;
}

}  // namespace

std::optional<Refusal> AddressForm::Check() const {
    // The boxes as integers; a hidden set holds the texts its mode left in it.
    address::Ipv4Rows rows;
    int prefixValue = 0;
    for (const Box& box : task == AddressTask::NewSystem ? std::as_const(kNewSystemOrder)
                                                         : std::as_const(kServiceIpOrder)) {
        const std::wstring& text = box.entry == Entry::Prefix    ? prefix
                                   : box.entry == Entry::Address ? address[box.octet]
                                   : box.entry == Entry::Mask    ? mask[box.octet]
                                                                 : gateway[box.octet];
        int& value = box.entry == Entry::Prefix    ? prefixValue
                     : box.entry == Entry::Address ? rows.address[box.octet]
                     : box.entry == Entry::Mask    ? rows.mask[box.octet]
                                                   : rows.gateway[box.octet];
        if (!platform::ParseInteger(text, value)) {
            return Refusal{IDS_FW_ENTER_INTEGER, {}, 0, box.entry, box.octet};
        }
    }
    if (resetDefault) {
        return std::nullopt;
    }
    std::wstring checked;
    if (mode == address::kModeIPv4) {
        if (const auto failure = address::CheckIpv4Rows(rows)) {
            return Refusal{
                failure->messageId, {failure->argument}, 0, RowEntry(failure->row), failure->octet};
        }
        checked = address::DottedText(rows.address);
    } else {
        if (const auto failure =
                address::CheckIpv6Entries({v6Address, prefix, prefixValue, v6Gateway})) {
            std::vector<std::wstring> arguments;
            if (!failure->argument.empty()) {
                arguments.push_back(failure->argument);
            }
            return Refusal{failure->messageId, arguments, 0, BoxEntry(failure->focus)};
        }
        checked = address::Trim(v6Address);
    }
    // The platform parser's verdict: the user may write an address it rejects.
    if (!confirmed && address::ParserRejects(checked, mode)) {
        return Refusal{IDS_CANNOT_VALIDATE,
                       {checked},
                       0,
                       mode == address::kModeIPv6 ? Entry::V6Address : Entry::Address,
                       0,
                       true};
    }
    return std::nullopt;
}

taskfile::TaskLines AddressForm::Compose() const {
    using namespace taskfile;
    const bool newSystem = task == AddressTask::NewSystem;
    if (!newSystem && resetDefault) {
        return {{kTaskFile, ComposeTaskCommand(ServiceDefault, L"", L"", L"")}};
    }
    if (mode == address::kModeIPv6) {
        return {{kTaskFile,
                 ComposeTaskCommand(newSystem ? InitIPv6 : ServiceIPv6, address::Trim(v6Address),
                                    address::Trim(prefix), address::Trim(v6Gateway))}};
    }
    auto dotted = [](const Row& row) {
        address::Octets octets{};
        for (int i = 0; i < 4; ++i) {
            platform::ParseInteger(row[i], octets[i]);
        }
        return address::DottedText(octets);
    };
    return {{kTaskFile, ComposeTaskCommand(newSystem ? InitIPv4 : ServiceIPv4, dotted(address),
                                           dotted(mask), dotted(gateway))}};
}

}  // namespace forms
