#include "framework/DataExchange.h"

#include <cwctype>

#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace framework {
namespace {

// The integer in `text` (blanks around it allowed), as the framework reads one.
bool ParseInt(const std::wstring& text, int& value) {
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

}  // namespace

void DataExchange::Int(int id, int& value) {
    if (!m_bSaveAndValidate) {
        controls_.SetText(id, std::to_wstring(value));
        return;
    }
    int read = 0;
    if (!ParseInt(controls_.Text(id), read)) {
        controls_.Message(platform::LoadText(IDS_FW_ENTER_INTEGER), std::nullopt);
        Fail(id);
    }
    value = read;
}

void DataExchange::Text(int id, std::wstring& value) {
    if (m_bSaveAndValidate) {
        value = controls_.Text(id);
    } else {
        controls_.SetText(id, value);
    }
}

void DataExchange::Radio(int firstId, int& value) {
    const std::vector<int> buttons = template_.RadioGroup(firstId);
    if (m_bSaveAndValidate) {
        value = -1;
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            if (controls_.IsChecked(buttons[i])) {
                value = static_cast<int>(i);
            }
        }
        return;
    }
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        controls_.SetCheck(buttons[i], static_cast<int>(i) == value);
    }
}

void DataExchange::Fail(int id) {
    controls_.Focus(id);
    throw Failure{};
}

}  // namespace framework
