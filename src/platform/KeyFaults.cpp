#include "platform/KeyFaults.h"

#include <utility>

namespace platform {
namespace {

std::function<KeyFault(KeyOperation)>& Hook() {
    static std::function<KeyFault(KeyOperation)> hook;
    return hook;
}

}  // namespace

void SetKeyFaultHook(std::function<KeyFault(KeyOperation)> hook) {
    Hook() = std::move(hook);
}

KeyFault AskKeyFault(KeyOperation operation) {
    return Hook() ? Hook()(operation) : KeyFault{};
}

}  // namespace platform
