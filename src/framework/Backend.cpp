#include "framework/Backend.h"

#include <cstdio>
#include <cstdlib>

namespace framework {
namespace {
Backend* installed = nullptr;
}

Backend& CurrentBackend() {
    if (!installed) {
        std::fputs("k4400: no window backend installed\n", stderr);
        std::abort();
    }
    return *installed;
}

void InstallBackend(Backend* backend) {
    installed = backend;
}

}  // namespace framework
