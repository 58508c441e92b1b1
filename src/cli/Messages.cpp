#include "cli/Messages.h"

#include <cstdio>
#include <cstdlib>

#include "cli/StringTables.h"
#include "platform/Utf8.h"

namespace cli {

MessageCatcher::MessageCatcher(bool answerQuestionsOk)
    : behind_(platform::Current()), answerOk_(answerQuestionsOk) {
    platform::Install(this);
}

MessageCatcher::~MessageCatcher() {
    platform::Install(&behind_);
}

int MessageCatcher::ShowMessage(const platform::MessageRequest& request) {
    const bool question = request.buttons == platform::MessageButtons::OkCancel;
    shown.push_back({request.text, request.owner != nullptr, question});
    return !question || answerOk_ ? platform::kAnswerOk : platform::kAnswerCancel;
}

void MessageCatcher::EndProgram(int exitCode) {
    behind_.EndProgram(exitCode);
    std::abort();  // not reached: the platform behind ends the program
}

int TablePlatform::ShowMessage(const platform::MessageRequest& request) {
    std::fprintf(stderr, "k4400-init-cli: %s\n", platform::ToUtf8(request.text).c_str());
    return platform::kAnswerOk;
}

std::wstring TablePlatform::LoadString(int id) {
    return platform::FromUtf8(TableText(language_, id));
}

void TablePlatform::EndProgram(int exitCode) {
    std::fflush(stdout);
    std::exit(exitCode);
}

}  // namespace cli
