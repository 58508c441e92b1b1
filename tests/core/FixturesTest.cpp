// Walks the key folders under tests/fixtures: each holds results files as a key would and an
// expect.txt naming the result of the read, whether a message was shown, the result kind and
// the entries of both records ("rest x": every entry not named must still be "x").

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "TempDir.h"
#include "results/ClassifyTask.h"
#include "results/Results.h"

namespace tests {
namespace {

using namespace results;

const std::map<std::string, int> kTaskNames = {{"Status", Status},
                                               {"Command", Command},
                                               {"ExitCode", ExitCode},
                                               {"Output", Output},
                                               {"ClusterName", ClusterName},
                                               {"ClusterIp", ClusterIp},
                                               {"ClusterGateway", ClusterGateway},
                                               {"ClusterMask", ClusterMask},
                                               {"ClusterIp6", ClusterIp6},
                                               {"ClusterGateway6", ClusterGateway6},
                                               {"ClusterPrefix6", ClusterPrefix6},
                                               {"SecondClusterIp", SecondClusterIp},
                                               {"SecondClusterGateway", SecondClusterGateway},
                                               {"SecondClusterMask", SecondClusterMask},
                                               {"SecondClusterIp6", SecondClusterIp6},
                                               {"SecondClusterGateway6", SecondClusterGateway6},
                                               {"SecondClusterPrefix6", SecondClusterPrefix6},
                                               {"ServiceIp", ServiceIp},
                                               {"ServiceGateway", ServiceGateway},
                                               {"ServiceMask", ServiceMask},
                                               {"ServiceIp6", ServiceIp6},
                                               {"ServiceGateway6", ServiceGateway6},
                                               {"ServicePrefix6", ServicePrefix6},
                                               {"TimeToCharge", TimeToCharge},
                                               {"BatteryStatus", BatteryStatus}};
const std::map<std::string, int> kFileModuleNames = {
    {"Status", FileModuleStatus},    {"OutputResult", OutputResult},
    {"InputCommand", InputCommand},  {"OutputMessage", OutputMessage},
    {"ConsoleIp", ConsoleIp},        {"FileModuleIp1", FileModuleIp1},
    {"FileModuleIp2", FileModuleIp2}};

// A quoted expectation; \xHH stands for a byte that a text file cannot show plainly.
std::wstring Unquote(const std::string& text) {
    const std::size_t first = text.find('"');
    const std::size_t last = text.rfind('"');
    const std::string inner = text.substr(first + 1, last - first - 1);
    std::wstring out;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '\\' && i + 3 < inner.size() && inner[i + 1] == 'x') {
            out += static_cast<wchar_t>(std::stoi(inner.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            out += static_cast<wchar_t>(static_cast<unsigned char>(inner[i]));
        }
    }
    return out;
}

class Fixtures : public ::testing::TestWithParam<std::string> {};

TEST_P(Fixtures, ReadAndClassify) {
    const std::filesystem::path folder = std::filesystem::path(K4400_FIXTURES) / GetParam();
    tests::TempKey key;
    tests::TempKey::CopyFixture(folder);
    tests::FakePlatform fake;

    TaskResults task;
    FileModuleResults fileModules;
    ResetToPlaceholder(task);
    ResetToPlaceholder(fileModules);
    bool reported = false;
    const int result = ReadResults(task, fileModules, &reported);

    std::ifstream expect(folder / "expect.txt");
    ASSERT_TRUE(expect) << "no expect.txt in " << folder;
    std::map<int, bool> namedTask, namedFileModule;
    bool restIsPlaceholder = false;
    std::string line;
    while (std::getline(expect, line)) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        if (name == "result") {
            int want;
            words >> want;
            EXPECT_EQ(result, want);
        } else if (name == "reported") {
            int want;
            words >> want;
            EXPECT_EQ(reported, want != 0);
            EXPECT_EQ(fake.messages.size(), want != 0 ? 1u : 0u);
        } else if (name == "kind") {
            int want;
            words >> want;
            EXPECT_EQ(ClassifyTask(task[Command], task[ExitCode], fileModules[OutputResult]), want);
        } else if (name == "rest") {
            restIsPlaceholder = true;
        } else if (name.rfind("task.", 0) == 0) {
            const int entry = kTaskNames.at(name.substr(5));
            namedTask[entry] = true;
            EXPECT_EQ(task[entry], Unquote(line)) << name;
        } else if (name.rfind("fm.", 0) == 0) {
            const int entry = kFileModuleNames.at(name.substr(3));
            namedFileModule[entry] = true;
            EXPECT_EQ(fileModules[entry], Unquote(line)) << name;
        } else if (!name.empty()) {
            FAIL() << "unknown expectation " << line;
        }
    }
    if (restIsPlaceholder) {
        for (int i = 0; i < kTaskResultCount; ++i) {
            EXPECT_TRUE(namedTask.count(i) || task[i] == L"x") << "task entry " << i;
        }
        for (int i = 0; i < kFileModuleResultCount; ++i) {
            EXPECT_TRUE(namedFileModule.count(i) || fileModules[i] == L"x")
                << "file-module entry " << i;
        }
    }
    // The reader never changes what it read.
    EXPECT_FALSE(tests::TempKey::Exists("satask.txt"));
}

std::vector<std::string> FixtureNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(K4400_FIXTURES)) {
        if (std::filesystem::exists(entry.path() / "expect.txt")) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(KeyFolders, Fixtures, ::testing::ValuesIn(FixtureNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// Every result kind is reported by at least one fixture.
TEST(FixtureCoverage, EveryResultKind) {
    std::set<int> kinds;
    for (const std::string& name : FixtureNames()) {
        std::ifstream expect(std::filesystem::path(K4400_FIXTURES) / name / "expect.txt");
        std::string word;
        while (expect >> word) {
            if (word == "kind") {
                int kind;
                expect >> kind;
                kinds.insert(kind);
            }
        }
    }
    for (int kind = ResetPasswordOk; kind <= UnrecognisedTask; ++kind) {
        EXPECT_TRUE(kinds.count(kind)) << "no fixture reports result kind " << kind;
    }
}

}  // namespace
}  // namespace tests
