#include "platform/Integer.h"

#include <cwctype>

namespace platform {

bool ParseInteger(const std::wstring& text, int& value) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && std::iswspace(text[begin])) {
        ++begin;
    }
    while (end > begin && std::iswspace(text[end - 1])) {
        --end;
    }
    if (begin == end) {
        return false;
    }
    bool negative = false;
    if (text[begin] == L'+' || text[begin] == L'-') {
        negative = text[begin] == L'-';
        if (++begin == end) {
            return false;
        }
    }
    long long result = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (text[i] < L'0' || text[i] > L'9') {
            return false;
        }
        result = result * 10 + (text[i] - L'0');
        if (result > 2147483648LL) {
            return false;
        }
    }
    result = negative ? -result : result;
    if (result > 2147483647LL) {
        return false;
    }
    value = static_cast<int>(result);
    return true;
}

}  // namespace platform
