#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#endif
#include <cerrno>
#include <filesystem>
#include <map>

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "KeyCauses.h"
#include "TempDir.h"
#include "platform/KeyFaults.h"
#include "taskfile/TaskFile.h"

namespace tests {
namespace {

using namespace taskfile;
using tests::TempKey;

// The files in the key folder, so that no stray temporary file goes unnoticed.
std::vector<std::string> KeyFiles() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WriteTaskCommand, WritesEveryKindByteForByte) {
    const std::wstring v6a = L"abcd:ef01:2345:6789:abcd:ef01:2345:6789";
    const std::wstring v6g = L"ABCD:EF01:2345:6789:ABCD:EF01:2345:678F";
    struct Case {
        int kind;
        std::wstring address, maskOrPrefix, gateway;
        std::string bytes;
    };
    const Case cases[] = {
        {InitIPv4, L"192.168.1.50", L"255.255.255.0", L"192.168.1.1",
         "satask mkcluster -clusterip 192.168.1.50 -gw 192.168.1.1 -mask 255.255.255.0"},
        {InitIPv6, L"2001:DB8::50", L"064", L"2001:db8::1",
         "satask mkcluster -clusterip_6 2001:DB8::50 -gw_6 2001:db8::1 -prefix_6 064"},
        {ResetPassword, L"ignored", L"ignored", L"ignored", "satask resetpassword"},
        {ServiceIPv4, L"10.1.2.30", L"255.255.255.0", L"10.1.2.1",
         "satask chserviceip -serviceip 10.1.2.30 -gw 10.1.2.1 -mask 255.255.255.0"},
        {ServiceIPv6, v6a, L"127", v6g,
         "satask chserviceip -serviceip_6 " + std::string(v6a.begin(), v6a.end()) + " -gw_6 " +
             std::string(v6g.begin(), v6g.end()) + " -prefix_6 127"},
        {ServiceDefault, L"", L"", L"", "satask chserviceip -default"},
    };
    for (const Case& c : cases) {
        TempKey key;
        tests::FakePlatform fake;
        TempKey::Write("satask.txt", std::string(300, 'z'));  // a longer earlier command
        EXPECT_EQ(WriteTaskCommand(c.kind, c.address, c.maskOrPrefix, c.gateway), 0);
        EXPECT_EQ(TempKey::Read("satask.txt"), c.bytes);
        EXPECT_TRUE(fake.messages.empty());
        EXPECT_EQ(KeyFiles(), std::vector<std::string>{"satask.txt"});
    }
    EXPECT_EQ(cases[2].bytes.size(), 20u);
    EXPECT_EQ(cases[5].bytes.size(), 27u);
    EXPECT_EQ(cases[4].bytes.size(), 131u);
}

TEST(WriteTaskCommand, RefusesAnUnknownKindWithoutTouchingTheKey) {
    TempKey key;
    tests::FakePlatform fake;
    TempKey::Write("satask.txt", "earlier");
    for (int kind : {0, 7, -1}) {
        EXPECT_EQ(WriteTaskCommand(kind, L"1.2.3.4", L"255.0.0.0", L"1.2.3.1"), 1);
    }
    EXPECT_EQ(TempKey::Read("satask.txt"), "earlier");
    EXPECT_EQ(KeyFiles(), std::vector<std::string>{"satask.txt"});
}

TEST(WriteTaskCommand, ADirectoryUnderTheNameIsAFailedOpen) {
    TempKey key;
    tests::FakePlatform fake;
    std::filesystem::create_directory("satask.txt");
    EXPECT_EQ(WriteTaskCommand(ResetPassword, L"", L"", L""), 1);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, L"#171\n\n#9017");  // and it says why
    EXPECT_EQ(fake.messages[0].owner, nullptr);
    EXPECT_FALSE(fake.messages[0].caption.has_value());
    EXPECT_EQ(fake.messages[0].buttons, platform::MessageButtons::Ok);
    EXPECT_TRUE(std::filesystem::is_directory("satask.txt"));
    EXPECT_EQ(KeyFiles(), std::vector<std::string>{"satask.txt"});
}

#ifndef _WIN32
TEST(WriteTaskCommand, ReplacesASymbolicLinkInsteadOfWritingThroughIt) {
    TempKey key;
    tests::FakePlatform fake;
    TempKey::Write("target", "untouched");
    std::filesystem::create_symlink("target", "satask.txt");
    EXPECT_EQ(WriteTaskCommand(ResetPassword, L"", L"", L""), 0);
    EXPECT_FALSE(std::filesystem::is_symlink("satask.txt"));
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask resetpassword");
    EXPECT_EQ(TempKey::Read("target"), "untouched");
}

// Runs `write` in a child whose files may not grow beyond `limit` bytes, as on a full key,
// and returns the text of the first message the child showed ("" for none).
std::string WriteWithSizeLimit(rlim_t limit, const std::function<int()>& write) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return "no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        tests::FakePlatform fake;
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit rl{limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
        write();
        if (!fake.messages.empty()) {
            const std::wstring& text = fake.messages[0].text;
            const std::string narrow(text.begin(), text.end());
            (void)!::write(pipeEnds[1], narrow.data(), narrow.size());
        }
        std::_Exit(0);
    }
    close(pipeEnds[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return text;
}

TEST(WriteTaskCommand, AWriteThatHitsTheSizeLimitLeavesNoPartialCommand) {
    TempKey key;
    TempKey::Write("satask.txt", "satask resetpassword");
    const std::string text = WriteWithSizeLimit(30, [] {
        return WriteTaskCommand(InitIPv4, L"192.168.1.50", L"255.255.255.0", L"192.168.1.1");
    });
    EXPECT_EQ(text, "#191\n\n#9015");  // a full key says so
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask resetpassword");
    EXPECT_EQ(KeyFiles(), std::vector<std::string>{"satask.txt"});
}

// A key pulled out before Next: the task is not written, and the message says that the
// key's folder is not found.
TEST(WriteTaskCommand, AKeyThatIsGoneIsNamed) {
    TempKey key;
    tests::FakePlatform fake;
    std::filesystem::create_directory("usb");
    const std::filesystem::path usb = std::filesystem::absolute("usb");
    std::filesystem::current_path(usb);
    std::filesystem::remove(usb);
    EXPECT_EQ(WriteTaskCommand(ResetPassword, L"", L"", L""), 1);
    ASSERT_EQ(fake.texts().size(), 1u);
    EXPECT_EQ(fake.texts()[0].rfind(L"#171\n\n#9018", 0), 0u) << fake.texts()[0].size();
    std::filesystem::current_path(key.path());
}

#else
// A read-only task file is replaced by the new command, as on other systems.
TEST(WriteTaskCommand, AReadOnlyTaskFileIsReplaced) {
    TempKey key;
    tests::FakePlatform fake;
    TempKey::Write("satask.txt", "satask mkcluster -clusterip 1.2.3.4 -gw 1.2.3.1 -mask 255.0.0.0");
    SetFileAttributesA("satask.txt", FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(WriteTaskCommand(ResetPassword, L"", L"", L""), 0);
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask resetpassword");
    EXPECT_TRUE(fake.messages.empty());
}

// On Windows a task file held open without sharing cannot be replaced: a failed open, and
// the file keeps what it held.
TEST(WriteTaskCommand, AFileHeldOpenByAnotherProgramIsAFailedOpen) {
    TempKey key;
    tests::FakePlatform fake;
    TempKey::Write("satask.txt", "satask resetpassword");
    int held = -1;
    ASSERT_EQ(_sopen_s(&held, "satask.txt", _O_RDONLY, _SH_DENYRW, 0), 0);
    EXPECT_EQ(WriteTaskCommand(ServiceDefault, L"", L"", L""), 1);
    EXPECT_EQ(fake.texts(), std::vector<std::wstring>{L"#171\n\n#9012"});
    _close(held);
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask resetpassword");
    EXPECT_EQ(KeyFiles(), std::vector<std::string>{"satask.txt"});
}
#endif

const UnifiedTaskAddresses kWorkedExample{"192.168.1.10", "255.255.255.0", "192.168.1.1",
                                          "192.168.1.20", "192.168.1.21",  "192.168.1.22",
                                          "172.31.8.1 "};

TEST(WriteUnifiedTaskFiles, WritesBothFilesByteForByte) {
    TempKey key;
    tests::FakePlatform fake;
    for (int run = 0; run < 2; ++run) {  // a second run replaces, never appends
        EXPECT_EQ(WriteUnifiedTaskFiles(kWorkedExample), 0);
        EXPECT_EQ(TempKey::Read("satask.txt"),
                  "satask mknascluster -clusterip 192.168.1.10 -mask 255.255.255.0 -gw "
                  "192.168.1.1 -consoleip 192.168.1.20");
        EXPECT_EQ(TempKey::Read("cfgtask.txt"),
                  "cfginit --ip=192.168.1.20 --netmask=255.255.255.0 --gateway=192.168.1.1 "
                  "--serviceip1=192.168.1.21 --serviceip2=192.168.1.22 --internalips=172.31.8.1  "
                  "--veltaraip=192.168.1.10");
    }
    EXPECT_TRUE(fake.messages.empty());
}

TEST(WriteUnifiedTaskFiles, LongestAddresses) {
    const std::string a = "255.255.255.255";
    const UnifiedTaskAddresses longest{a, a, a, a, a, a, "192.168.8.1"};
    EXPECT_EQ(ComposeStorageCommand(longest).size(), 115u);
    EXPECT_EQ(ComposeFileModuleCommand(longest).size(), 192u);
    EXPECT_NE(ComposeFileModuleCommand(longest).find("--internalips=192.168.8.1 --veltaraip"),
              std::string::npos);
}

// The two files are one task: the key never carries the cluster creation alone.
TEST(WriteUnifiedTaskFiles, FileModuleFileFailingTakesTheStorageCommandWithIt) {
    TempKey key;
    tests::FakePlatform fake;
    std::filesystem::create_directory("cfgtask.txt");
    EXPECT_EQ(WriteUnifiedTaskFiles(kWorkedExample), 1);
    EXPECT_EQ(fake.texts(), std::vector<std::wstring>{L"#171\n\n#9017"});
    EXPECT_EQ(KeyFiles(), std::vector<std::string>{"cfgtask.txt"});
    EXPECT_TRUE(std::filesystem::is_directory("cfgtask.txt"));
}

TEST(WriteUnifiedTaskFiles, StorageFileFailingTouchesNeither) {
    TempKey key;
    tests::FakePlatform fake;
    std::filesystem::create_directory("satask.txt");
    TempKey::Write("cfgtask.txt", "earlier");
    EXPECT_EQ(WriteUnifiedTaskFiles(kWorkedExample), 1);
    EXPECT_EQ(fake.texts(), std::vector<std::wstring>{L"#171\n\n#9017"});
    EXPECT_EQ(TempKey::Read("cfgtask.txt"), "earlier");
}

#ifndef _WIN32
TEST(WriteUnifiedTaskFiles, SizeLimitOnTheSecondFile) {
    TempKey key;
    // Room for the 103-byte storage command, not for the 174-byte file-module command.
    const std::string text =
        WriteWithSizeLimit(150, [] { return WriteUnifiedTaskFiles(kWorkedExample); });
    EXPECT_EQ(text, "#191\n\n#9015");
    EXPECT_EQ(KeyFiles(), std::vector<std::string>{});
}

#endif

// Once the name is in place the folder itself is synced; a medium that fails there has not
// taken the command, and no command stays behind that the user was told was not written.
TEST(WriteCommandFile, AFailedFolderSyncIsAFailedWrite) {
    // An I/O error, a full medium, a folder that could not be opened.
    const std::map<std::string, std::wstring> texts = {{"I/O error", L"#191\n\n#9014"},
                                                       {"no space", L"#191\n\n#9015"},
                                                       {"access denied", L"#191\n\n#9010"}};
    for (const tests::KeyCause& cause : tests::KeyCauses()) {
        if (!texts.count(cause.name)) {
            continue;
        }
        const struct {
            int error;
            std::wstring text;
        } c{cause.error, texts.at(cause.name)};
        TempKey key;
        tests::FakePlatform fake;
        platform::SetKeyFaultHook([&c](platform::KeyOperation operation) {
            return platform::KeyFault{operation == platform::KeyOperation::SyncFolder ? c.error
                                                                                      : 0};
        });
        EXPECT_EQ(WriteTaskCommand(ServiceDefault, L"", L"", L""), 1);
        EXPECT_EQ(WriteUnifiedTaskFiles(kWorkedExample), 1);
        platform::SetKeyFaultHook(nullptr);
        EXPECT_EQ(fake.texts(), (std::vector<std::wstring>{c.text, c.text}));
        EXPECT_EQ(KeyFiles(), std::vector<std::string>{});
    }
    TempKey key;
    EXPECT_EQ(WriteTaskCommand(ServiceDefault, L"", L"", L""), 0);  // the real sync is back
}

// Start-up clears what a killed write left: only files named as this program names its own.
TEST(RemoveLeftoverTemporaries, RemovesOnlyOurOwnTemporaryFiles) {
    TempKey key;
    for (const char* name :
         {".k4400-AbC123", ".k4400-4242-0.tmp", ".k4400-1-17.tmp", ".k4400-abc", ".k4400-AbC1234",
          ".k4400-x-1.tmp", "k4400-AbC123", ".k4400-12-3.txt", "satask.txt", "notes.txt"}) {
        TempKey::Write(name, "x");
    }
    std::filesystem::create_directory(".k4400-Dir000");
    RemoveLeftoverTemporaries();
    EXPECT_EQ(KeyFiles(), (std::vector<std::string>{".k4400-12-3.txt", ".k4400-AbC1234",
                                                    ".k4400-Dir000", ".k4400-abc", ".k4400-x-1.tmp",
                                                    "k4400-AbC123", "notes.txt", "satask.txt"}));
}

TEST(RemoveQuietly, RemovesAFileOrALinkNeverAFolder) {
    TempKey key;
    TempKey::Write("satask.txt", "satask resetpassword");
    EXPECT_EQ(RemoveQuietly("satask.txt"), 0);
    EXPECT_EQ(RemoveQuietly("missing.txt"), ENOENT);
    EXPECT_FALSE(TempKey::Exists("satask.txt"));
    // Read-only (on Windows, the attribute that makes its delete refuse) goes all the same.
    TempKey::Write("satask.txt", "satask resetpassword");
    std::filesystem::permissions("satask.txt", std::filesystem::perms::owner_read |
                                                   std::filesystem::perms::group_read |
                                                   std::filesystem::perms::others_read);
    EXPECT_EQ(RemoveQuietly("satask.txt"), 0);
    EXPECT_FALSE(TempKey::Exists("satask.txt"));
    std::filesystem::create_directory("satask.txt");
    EXPECT_EQ(RemoveQuietly("satask.txt"), 0);
    EXPECT_TRUE(std::filesystem::is_directory("satask.txt"));
#ifndef _WIN32
    TempKey::Write("target", "untouched");
    std::filesystem::create_symlink("target", "cfgtask.txt");
    RemoveQuietly("cfgtask.txt");
    EXPECT_FALSE(std::filesystem::is_symlink("cfgtask.txt"));
    EXPECT_EQ(TempKey::Read("target"), "untouched");
#endif
}

}  // namespace
}  // namespace tests
