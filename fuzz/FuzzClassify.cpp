// Command, exit code and file-module result as three lines of any characters.
#include <cstddef>
#include <cstdint>
#include <string>

#include "results/ClassifyTask.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring parts[3];
    int part = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n' && part < 2) {
            ++part;
        } else {
            parts[part] += static_cast<wchar_t>(data[i]);
        }
    }
    const results::ResultKind kind = results::ClassifyTask(parts[0], parts[1], parts[2]);
    if (kind < results::ResetPasswordOk || kind > results::UnrecognisedTask) {
        __builtin_trap();
    }
    return 0;
}
