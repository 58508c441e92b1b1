#pragma once
// The recording platform that tests install: it keeps every message and launch, answers
// message boxes as scripted (OK when nothing is scripted), and turns the end of the
// program into an exit that a death test observes, after writing what happened to stderr
// (or into whatever `onEnd` does, a throw among them).

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace tests {

class FakePlatform : public platform::Platform {
  public:
    FakePlatform() { platform::Install(this); }
    ~FakePlatform() override { platform::Install(nullptr); }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    int ShowMessage(const platform::MessageRequest& request) override {
        messages.push_back(request);
        if (onMessage) {
            onMessage(request);
        }
        if (answers.empty()) {
            return platform::kAnswerOk;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::wstring LoadString(int id) override {
        if (auto it = strings.find(id); it != strings.end()) {
            return it->second;
        }
        return loader ? loader(id) : L"#" + std::to_wstring(id);
    }

    bool OpenUrl(const std::wstring& url) override {
        launches.push_back(url);
        std::fprintf(stderr, "open-url <%ls>\n", url.c_str());
        return browserAnswers;
    }

    [[noreturn]] void EndProgram(int exitCode) override {
        if (onEnd) {
            onEnd(exitCode);  // may throw, for a test that goes on after the end
        }
        std::fprintf(stderr, "end-program %d after %zu launch(es)\n", exitCode, launches.size());
        std::fflush(stderr);
        std::_Exit(exitCode);
    }

    // Texts of the messages shown so far.
    std::vector<std::wstring> texts() const {
        std::vector<std::wstring> out;
        for (const auto& m : messages) {
            out.push_back(m.text);
        }
        return out;
    }

    std::vector<platform::MessageRequest> messages;
    std::deque<int> answers;
    std::vector<std::wstring> launches;
    bool browserAnswers = true;  // false: no browser takes a URL
    std::map<int, std::wstring> strings;
    std::function<std::wstring(int)> loader;
    std::function<void(const platform::MessageRequest&)> onMessage;
    std::function<void(int)> onEnd;
};

}  // namespace tests
