#include "framework/Text.h"

#include "platform/Platform.h"

namespace framework {
namespace {
std::wstring& StoredName() {
    static std::wstring name;
    return name;
}
}  // namespace

std::wstring LoadText(int id) {
    return platform::Current().LoadString(id);
}

std::wstring FormatText(int id, std::initializer_list<std::wstring> args) {
    return platform::FormatMessage(LoadText(id), args);
}

const std::wstring& ApplicationName() {
    return StoredName();
}

void SetApplicationName(const std::wstring& name) {
    StoredName() = name;
}

}  // namespace framework
