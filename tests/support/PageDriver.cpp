#include "PageDriver.h"

namespace tests {

std::vector<std::wstring> AddressFields(const std::wstring& dotted) {
    std::vector<std::wstring> fields(4);
    std::size_t field = 0;
    for (wchar_t c : dotted) {
        if (c == L'.') {
            if (++field == fields.size()) {
                break;
            }
        } else {
            fields[field] += c;
        }
    }
    return fields;
}

}  // namespace tests
