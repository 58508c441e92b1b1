#include "framework/DataExchange.h"

#include "framework/Text.h"
#include "platform/Integer.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace framework {

void DataExchange::Int(int id, int& value) {
    if (!m_bSaveAndValidate) {
        controls_.SetText(id, std::to_wstring(value));
        return;
    }
    int read = 0;
    if (!platform::ParseInteger(controls_.Text(id), read)) {
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
