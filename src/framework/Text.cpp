#include "framework/Text.h"

namespace framework {
namespace {
std::wstring& StoredName() {
    static std::wstring name;
    return name;
}
}  // namespace

const std::wstring& ApplicationName() {
    return StoredName();
}

void SetApplicationName(const std::wstring& name) {
    StoredName() = name;
}

}  // namespace framework
