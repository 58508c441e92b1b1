#include "cli/Bind.h"

#include <array>
#include <vector>

#include "platform/StringIds.h"
#include "platform/Utf8.h"

namespace cli {
namespace {

using forms::Entry;

std::vector<std::wstring> Groups(const std::wstring& text) {
    std::vector<std::wstring> groups(1);
    for (wchar_t c : text) {
        if (c == L'.') {
            groups.emplace_back();
        } else {
            groups.back() += c;
        }
    }
    return groups;
}

bool Digits(const std::wstring& text, std::size_t most) {
    return !text.empty() && text.size() <= most &&
           text.find_first_not_of(L"0123456789") == std::wstring::npos;
}

// The four octet boxes of a row, typed from dotted text: a group left empty ("192.168..10")
// or left out ("192.168.1") is an empty box. Nothing when the text cannot be typed into the
// boxes: more than four groups, or a group that is not one to three digits.
std::optional<forms::AddressForm::Row> OctetBoxes(const std::wstring& text) {
    const std::vector<std::wstring> groups = Groups(text);
    forms::AddressForm::Row boxes;
    if (groups.size() > boxes.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (!groups[i].empty() && !Digits(groups[i], 3)) {
            return std::nullopt;
        }
        boxes[i] = groups[i];
    }
    return boxes;
}

forms::Refusal Unholdable(int messageId, const std::wstring& text, Entry entry) {
    return forms::Refusal{messageId, {text}, 0, entry};
}

std::wstring Option(const Invocation& in, const char* name) {
    return in.Has(name) ? platform::FromUtf8(in.Value(name)) : std::wstring();
}

// The address page's entries: the mode, then the boxes of that mode.
BoundTask BindAddressPage(const Invocation& in, forms::AddressTask task) {
    BoundTask bound;
    forms::AddressForm& form = bound.address.emplace(task);
    form.resetDefault = in.serviceDefault;
    form.confirmed = in.yes;
    if (in.serviceDefault) {
        return bound;
    }
    if (in.Has("prefix")) {
        // The boxes hold 39 characters and the prefix three digits; the page trims what they
        // hold before its checks and writes it as it stands.
        form.mode = address::kModeIPv6;
        form.v6Address = address::Trim(Option(in, "address"));
        form.prefix = address::Trim(Option(in, "prefix"));
        form.v6Gateway = address::Trim(Option(in, "gateway"));
        if (form.v6Address.size() > 39) {
            bound.refused = Unholdable(IDS_INVALID_ADDRESS, form.v6Address, Entry::V6Address);
        } else if (!form.prefix.empty() && !Digits(form.prefix, 3)) {
            bound.refused = Unholdable(IDS_INVALID_PREFIX, form.prefix, Entry::Prefix);
        } else if (form.v6Gateway.size() > 39) {
            bound.refused = Unholdable(IDS_INVALID_GATEWAY, form.v6Gateway, Entry::V6Gateway);
        }
        return bound;
    }
    const std::tuple<const char*, forms::AddressForm::Row*, int, Entry> rows[] = {
        {"address", &form.address, IDS_INVALID_ADDRESS, Entry::Address},
        {"mask", &form.mask, IDS_INVALID_MASK, Entry::Mask},
        {"gateway", &form.gateway, IDS_INVALID_GATEWAY, Entry::Gateway}};
    for (const auto& [name, row, message, entry] : rows) {
        const std::wstring text = Option(in, name);
        const auto boxes = OctetBoxes(text);
        if (!boxes) {
            bound.refused = Unholdable(message, text, entry);
            return bound;
        }
        *row = *boxes;
    }
    return bound;
}

// The range's entry that the option names, by its first address or its whole text; empty
// when it names none (the page then has none chosen).
std::wstring Range(const Invocation& in) {
    const std::wstring wanted = Option(in, "internal-range");
    for (const wchar_t* entry : forms::kInternalRanges) {
        const std::wstring text = entry;
        if (!wanted.empty() && (wanted == text || wanted == text.substr(0, text.find(L' ')))) {
            return text;
        }
    }
    return std::wstring();
}

}  // namespace

forms::AddressEntry AddressFields(const std::wstring& text) {
    const std::vector<std::wstring> groups = Groups(text);
    if (groups.size() > 4) {
        return {};
    }
    forms::AddressEntry entry;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::wstring field = i < groups.size() ? groups[i] : std::wstring();
        if (!field.empty() && (!Digits(field, 3) || std::stoi(field) > 255)) {
            return {};
        }
        entry.filled += field.empty() ? 0 : 1;
        entry.value =
            entry.value << 8 | static_cast<std::uint32_t>(field.empty() ? 0 : std::stoi(field));
    }
    return entry;
}

const char* OptionOf(Entry entry) {
    switch (entry) {
        case Entry::Address:
        case Entry::V6Address:
            return "--address";
        case Entry::Mask:
            return "--mask";
        case Entry::Gateway:
        case Entry::V6Gateway:
            return "--gateway";
        case Entry::Prefix:
            return "--prefix";
        case Entry::Management:
            return "--management";
        case Entry::FileModule1:
            return "--file-module1";
        case Entry::FileModule2:
            return "--file-module2";
        case Entry::InternalRange:
            return "--internal-range";
    }
    return "";
}

BoundTask Bind(const Invocation& in) {
    if (in.command == "new-system") {
        return BindAddressPage(in, forms::AddressTask::NewSystem);
    }
    if (in.command == "service-ip") {
        return BindAddressPage(in, forms::AddressTask::ServiceIp);
    }
    BoundTask bound;
    if (in.command == "unified") {
        bound.storage = forms::StorageForm{AddressFields(Option(in, "address")),
                                           AddressFields(Option(in, "mask")),
                                           AddressFields(Option(in, "gateway"))};
        bound.modules = forms::FileModulesForm{{},
                                               AddressFields(Option(in, "management")),
                                               AddressFields(Option(in, "file-module1")),
                                               AddressFields(Option(in, "file-module2")),
                                               Range(in)};
    }
    return bound;
}

}  // namespace cli
