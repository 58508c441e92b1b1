#include "cli/TablePlatform.h"

#include <cstdio>
#include <cstdlib>

#include "cli/StringTables.h"
#include "platform/Utf8.h"

namespace cli {

int TablePlatform::ShowMessage(const platform::MessageRequest& request) {
    std::fprintf(stderr, "k4400-init-cli: %s\n", platform::ToUtf8(request.text).c_str());
    return platform::kAnswerCancel;  // a question nobody can answer is not answered OK
}

std::wstring TablePlatform::LoadString(int id) {
    return platform::FromUtf8(TableText(language_, id));
}

void TablePlatform::EndProgram(int exitCode) {
    std::fflush(stdout);
    std::exit(exitCode);
}

}  // namespace cli
