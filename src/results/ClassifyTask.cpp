#include "results/ClassifyTask.h"

#include <iterator>

namespace results {

std::vector<std::wstring> SplitWords(const std::wstring& command) {
    std::vector<std::wstring> words;
    std::size_t pos = 0;
    while (pos < command.size()) {
        pos = command.find_first_not_of(L" \t\r\n\v\f", pos);
        if (pos == std::wstring::npos) {
            break;
        }
        const std::size_t blank = command.find(L' ', pos);
        const std::size_t end = blank == std::wstring::npos ? command.size() : blank;
        words.push_back(command.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

ResultKind ClassifyTask(std::wstring command, std::wstring exitCode,
                        std::wstring fileModuleResult) {
    if (command.find(L"satask") == std::wstring::npos) {
        return UnrecognisedTask;
    }
    const std::vector<std::wstring> words = SplitWords(command);
    const bool ok = exitCode == L"0";
    auto word = [&](std::size_t i) { return i < words.size() ? words[i] : std::wstring(); };
    auto is = [&](std::size_t count, const wchar_t* w1, const wchar_t* w2) {
        return words.size() == count && word(0) == L"satask" && word(1) == w1 &&
               (w2 == nullptr || word(2) == w2);
    };

    struct Rule {
        std::size_t count;
        const wchar_t* word1;
        const wchar_t* word2;
        ResultKind ok;
        ResultKind failed;
    };
    static const Rule kRules[] = {
        {2, L"resetpassword", nullptr, ResetPasswordOk, ResetPasswordFailed},
        {3, L"chserviceip", L"-default", ServiceIpDefaultOk, ServiceIpDefaultFailed},
        {8, L"chserviceip", L"-serviceip", ServiceIpOk, ServiceIpFailed},
        {8, L"chserviceip", L"-serviceip_6", ServiceIp6Ok, ServiceIp6Failed},
        {8, L"mkcluster", L"-clusterip", InitOk, InitFailed},
        {8, L"mkcluster", L"-clusterip_6", Init6Ok, Init6Failed},
    };
    for (const Rule& rule : kRules) {
        if (is(rule.count, rule.word1, rule.word2)) {
            return ok ? rule.ok : rule.failed;
        }
    }
    if (word(0) == L"satask" && word(1) == L"mknascluster") {
        if (!ok) {
            return UnifiedStorageFailed;
        }
        return fileModuleResult == L"0" ? UnifiedInitOk : UnifiedFileModulesFailed;
    }
    return UnrecognisedTask;
}

const char* ResultKindName(ResultKind kind) {
    static constexpr const char* kNames[] = {"ResetPasswordOk",
                                             "ResetPasswordFailed",
                                             "ServiceIpDefaultOk",
                                             "ServiceIpDefaultFailed",
                                             "ServiceIpOk",
                                             "ServiceIpFailed",
                                             "ServiceIp6Ok",
                                             "ServiceIp6Failed",
                                             "InitOk",
                                             "InitFailed",
                                             "Init6Ok",
                                             "Init6Failed",
                                             "UnifiedInitOk",
                                             "UnifiedFileModulesFailed",
                                             "UnifiedStorageFailed",
                                             "UnrecognisedTask"};
    const auto index = static_cast<std::size_t>(kind);
    return index < std::size(kNames) ? kNames[index] : "UnrecognisedTask";
}

}  // namespace results
