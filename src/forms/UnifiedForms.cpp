#include "forms/UnifiedForms.h"

#include <initializer_list>
#include <tuple>

#include "address/IPAddress.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace forms {
namespace {

// All four fields filled, not 0.0.0.0, and none of the addresses it must differ from.
bool Valid(const AddressEntry& entry, std::initializer_list<std::uint32_t> others) {
    if (entry.filled != 4 || entry.value == 0) {
        return false;
    }
    for (std::uint32_t other : others) {
        if (entry.value == other) {
            return false;
        }
    }
    return true;
}

// "<label> not valid", under the label, with the focus on its field.
Refusal NotValid(int label, Entry entry) {
    return Refusal{IDS_NOT_VALID_UNIQUE, {platform::LoadName(label)}, label, entry};
}

// "IP Address is not on the same subnet as <label>", under "IP Address".
Refusal NotSameSubnet(int label, Entry entry) {
    return Refusal{IDS_NOT_SAME_SUBNET,
                   {platform::LoadName(IDS_IP_ADDRESS), platform::LoadName(label)},
                   IDS_IP_ADDRESS,
                   entry};
}

// The range's text as the 8-bit text of the task file (the ranges are plain ASCII).
std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return out;
}

}  // namespace

std::optional<Refusal> StorageForm::Check() const {
    if (!Valid(address, {})) {
        return NotValid(IDS_IP_ADDRESS, Entry::Address);
    }
    if (!Valid(mask, {address.value})) {
        return NotValid(IDS_SUBNET_MASK, Entry::Mask);
    }
    if (!Valid(gateway, {mask.value, address.value})) {
        return NotValid(IDS_GATEWAY, Entry::Gateway);
    }
    if (!IPAddress::SubnetMask(mask.value).isSameSubnet(address.value, gateway.value)) {
        return NotSameSubnet(IDS_GATEWAY, Entry::Address);
    }
    return std::nullopt;
}

std::optional<Refusal> FileModulesForm::Check() const {
    if (!Valid(management, {storage.address})) {
        return NotValid(IDS_MANAGEMENT_IP, Entry::Management);
    }
    if (!Valid(module1, {management.value, storage.address})) {
        return NotValid(IDS_FILE_MODULE1, Entry::FileModule1);
    }
    if (!Valid(module2, {module1.value, management.value, storage.address})) {
        return NotValid(IDS_FILE_MODULE2, Entry::FileModule2);
    }
    if (range.empty()) {
        return Refusal{IDS_NO_INTERNAL_RANGE, {}, IDS_INTERNAL_RANGE, Entry::InternalRange};
    }
    // The storage system's address is on the first page: the entry to mend is the other one.
    const IPAddress::SubnetMask subnet(storage.mask);
    const std::tuple<const AddressEntry&, int, Entry> others[] = {
        {management, IDS_MANAGEMENT_IP, Entry::Management},
        {module1, IDS_FILE_MODULE1, Entry::FileModule1},
        {module2, IDS_FILE_MODULE2, Entry::FileModule2}};
    for (const auto& [other, label, entry] : others) {
        if (!subnet.isSameSubnet(storage.address, other.value)) {
            return NotSameSubnet(label, entry);
        }
    }
    return std::nullopt;
}

taskfile::TaskLines FileModulesForm::Compose() const {
    const taskfile::UnifiedTaskAddresses addresses{
        IPAddress::ToDotted(storage.address), IPAddress::ToDotted(storage.mask),
        IPAddress::ToDotted(storage.gateway), IPAddress::ToDotted(management.value),
        IPAddress::ToDotted(module1.value),   IPAddress::ToDotted(module2.value),
        Narrow(range).substr(0, 11),
    };
    return {{taskfile::kTaskFile, taskfile::ComposeStorageCommand(addresses)},
            {taskfile::kFileModuleTaskFile, taskfile::ComposeFileModuleCommand(addresses)}};
}

}  // namespace forms
