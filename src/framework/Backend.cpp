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

Backend* InstallBackend(Backend* backend) {
    Backend* previous = installed;
    installed = backend;
    return previous;
}

}  // namespace framework
