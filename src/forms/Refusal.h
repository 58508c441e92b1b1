#pragma once
// What a form says when it refuses its entries: the message (its string id and the texts
// put into it), the caption it goes under, the entry to mend, and whether it is the
// question the parser's verdict raises, which an OK answers.

#include <optional>
#include <string>
#include <vector>

namespace forms {

// The entries of the task forms. An address page's octet rows and its IPv6 boxes are
// separate entries; `octet` names the box of a row.
enum class Entry {
    Address,
    Mask,
    Gateway,
    V6Address,
    Prefix,
    V6Gateway,
    Management,
    FileModule1,
    FileModule2,
    InternalRange,
};

struct Refusal {
    int messageId = 0;
    std::vector<std::wstring> arguments;  // %1, %2, in the user's language
    int captionId = 0;                    // 0: the application's name
    Entry entry = Entry::Address;
    int octet = 0;          // the box of an octet row, 0 to 3 from the left
    bool question = false;  // the parser cannot validate the address: OK writes it anyway

    // The message as the user reads it.
    std::wstring Text() const;
    std::optional<std::wstring> Caption() const;
};

}  // namespace forms
