#include "forms/Refusal.h"

#include "address/AddressChecks.h"
#include "platform/Platform.h"

namespace forms {

std::wstring Refusal::Text() const {
    if (question) {
        return address::ParserConfirmationText(arguments.at(0));
    }
    const std::wstring format = platform::LoadText(messageId);
    switch (arguments.size()) {
        case 0:
            return format;
        case 1:
            return platform::FormatMessage(format, {arguments[0]});
        default:
            return platform::FormatMessage(format, {arguments[0], arguments[1]});
    }
}

std::optional<std::wstring> Refusal::Caption() const {
    if (captionId == 0) {
        return std::nullopt;
    }
    return platform::LoadText(captionId);
}

}  // namespace forms
