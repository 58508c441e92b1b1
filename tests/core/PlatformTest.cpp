#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "FakePlatform.h"
#include "TempDir.h"
#include "platform/FileError.h"
#include "platform/KeyFolder.h"
#include "platform/Language.h"
#include "platform/Platform.h"

namespace tests {
namespace {

using platform::FormatMessage;

// A control's text named in a sentence or read aloud: its access key goes, in either form.
TEST(AccessKey, TextsWithoutTheirKeys) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"IP &Address", L"IP Address"},
        {L"IP アドレス(&A)", L"IP アドレス"},
        {L"配置 IP 地址(&C)：", L"配置 IP 地址："},
        {L"R&&D &Labs", L"R&D Labs"},
        {L"(&)", L"()"},
        {L"ends in &", L"ends in &"},
        {L"no key", L"no key"},
    };
    for (const auto& [text, plain] : cases) {
        EXPECT_EQ(platform::WithoutAccessKey(text), plain);
    }
}

TEST(FormatMessage, ReplacesPlaceholdersInOnePass) {
    struct Case {
        std::wstring format;
        std::vector<std::wstring> args;
        std::wstring out;
    };
    const Case cases[] = {
        {L"Quorvex %1 Initialization Tool",
         {L"Veltara K4400"},
         L"Quorvex Veltara K4400 Initialization Tool"},
        {L"%1 is not on the same subnet as %2.",
         {L"IP Address", L"Gateway"},
         L"IP Address is not on the same subnet as Gateway."},
        {L"%2 vor %1", {L"a", L"b"}, L"b vor a"},
        {L"'%1' is not valid.", {L"%2%1"}, L"'%2%1' is not valid."},  // never expanded again
        {L"no placeholder", {L"x"}, L"no placeholder"},
        {L"100%", {L"x"}, L"100%"},
        {L"%3 stays", {L"a"}, L"%3 stays"},
        {L"%1%1", {L"ab"}, L"abab"},
    };
    for (const Case& c : cases) {
        std::wstring out;
        if (c.args.size() == 1) {
            out = FormatMessage(c.format, {c.args[0]});
        } else {
            out = FormatMessage(c.format, {c.args[0], c.args[1]});
        }
        EXPECT_EQ(out, c.out);
    }
}

TEST(FileError, CausesAndDescriptions) {
    tests::FakePlatform fake;
    fake.strings[9010] = L"Access to %1 was denied.";
    // Each cause the user can act on has its own words: a full key is not a permission problem.
    const std::pair<int, platform::FileErrorCause> causes[] = {
        {ENOENT, platform::FileErrorCause::NotFound},
        {EACCES, platform::FileErrorCause::AccessDenied},
        {EPERM, platform::FileErrorCause::AccessDenied},
        {EROFS, platform::FileErrorCause::ReadOnly},
        {ENOSPC, platform::FileErrorCause::DiskFull},
        {EFBIG, platform::FileErrorCause::DiskFull},
        {EISDIR, platform::FileErrorCause::NotAFile},
        {EIO, platform::FileErrorCause::Generic},
    };
    for (const auto& [error, cause] : causes) {
        EXPECT_EQ(platform::CauseFromErrno(error), cause) << error;
    }
    const std::pair<platform::FileErrorCause, std::wstring> texts[] = {
        {platform::FileErrorCause::ReadOnly, L"#9016"},
        {platform::FileErrorCause::DiskFull, L"#9015"},
        {platform::FileErrorCause::NotAFile, L"#9017"},
        {platform::FileErrorCause::NotFound, L"#9018"},
    };
    for (const auto& [cause, text] : texts) {
        EXPECT_EQ(platform::DescribeFileError(cause, L"f"), text);
    }
    EXPECT_EQ(
        platform::DescribeFileError(platform::FileErrorCause::AccessDenied, L"satask_result.html"),
        L"Access to satask_result.html was denied.");
    fake.strings[9014] = std::wstring(2000, L'e');
    EXPECT_EQ(platform::DescribeFileError(platform::FileErrorCause::Generic, L"f").size(), 1023u);
}

// The names the desktops give (BCP 47 from Qt and Windows, POSIX locale names from the
// environment) choose the same table.
TEST(Language, UserLanguagesChooseATable) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"de-AT", "en-US"}, "de_DE"},
        {{"pt_PT.UTF-8"}, "pt_BR"},
        {{"fr_CA.UTF-8@euro"}, "fr_FR"},
        {{"zh_TW.Big5"}, "zh_TW"},
        {{"zh-Hant-CN"}, "zh_TW"},
        {{"zh_SG.UTF-8"}, "zh_CN"},
        {{"ko_KR.eucKR"}, "ko_KR"},
        {{"nl_NL.UTF-8", "ja"}, "ja_JP"},
        {{"C.UTF-8"}, "en_US"},
        {{"POSIX"}, "en_US"},
        {{""}, "en_US"},
        {{}, "en_US"},
    };
    for (const auto& [languages, table] : cases) {
        EXPECT_EQ(platform::ChooseLanguage(languages), table) << languages.size();
    }
}

// The folders where no key ever is, whichever way the system writes them.
TEST(KeyFolder, TheWindowsAndSystemFoldersAreNeverTheKey) {
    const std::vector<std::wstring> system = {L"C:\\Windows", L"C:\\Windows\\system32", L""};
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"C:\\Windows", true},
        {L"c:\\windows\\", true},
        {L"C:/WINDOWS/System32", true},
        {L"", true},
        {L"E:\\", false},
        {L"C:\\Windows\\Temp", false},
        {L"C:\\", false},
        {L"D:\\Windows", false},
    };
    for (const auto& [current, system_folder] : cases) {
        EXPECT_EQ(platform::IsSystemFolder(current, system), system_folder)
            << std::string(current, current + std::wcslen(current));
    }
#ifndef _WIN32
    EXPECT_EQ(platform::KeyFolderInstead(), std::nullopt);  // elsewhere the current folder
#endif
}

#ifndef _WIN32
// A block device is a key when the kernel calls its disk removable or it hangs off USB (many
// USB sticks say removable 0); a partition answers for its disk; no such device is no key.
TEST(KeyFolder, RemovableBlockDevicesAsSysfsDescribesThem) {
    TempKey sys;
    namespace fs = std::filesystem;
    const auto disk = [&](const std::string& path, const char* removable, const char* numbers) {
        fs::create_directories(sys.path() / "devices" / path);
        if (*removable) {
            TempKey::Write((sys.path() / "devices" / path / "removable").string(), removable);
        }
        fs::create_directories(sys.path() / "dev" / "block");
        fs::create_directory_symlink(sys.path() / "devices" / path,
                                     sys.path() / "dev" / "block" / numbers);
    };
    disk("pci0/ata1/block/sda", "0\n", "8:0");
    disk("pci0/ata1/block/sda/sda1", "", "8:1");
    disk("pci0/usb2/2-1/block/sdb/sdb1", "", "8:17");
    disk("pci0/mmc0/block/mmcblk0", "1\n", "179:0");
    disk("pci0/mmc0/block/mmcblk0/mmcblk0p1", "", "179:1");
    const std::pair<std::pair<unsigned, unsigned>, bool> cases[] = {
        {{8, 0}, false},  {{8, 1}, false},  {{8, 17}, true},
        {{179, 0}, true}, {{179, 1}, true}, {{0, 42}, false},
    };
    for (const auto& [device, removable] : cases) {
        EXPECT_EQ(
            platform::IsRemovableBlockDevice(sys.path().string(), device.first, device.second),
            removable)
            << device.first << ":" << device.second;
    }
}

// LANGUAGE lists the user's languages in order; otherwise the first of LC_ALL, LC_MESSAGES
// and LANG that is set names one.
TEST(Language, UserLanguagesFromTheEnvironment) {
    struct Case {
        const char* language;
        const char* all;
        const char* messages;
        const char* lang;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"fr:de", "ja_JP.UTF-8", nullptr, "it_IT.UTF-8", {"fr", "de"}},
        {nullptr, "ja_JP.UTF-8", "ko_KR.UTF-8", "it_IT.UTF-8", {"ja_JP.UTF-8"}},
        {"", nullptr, "ko_KR.UTF-8", "it_IT.UTF-8", {"ko_KR.UTF-8"}},
        {nullptr, nullptr, nullptr, "it_IT.UTF-8", {"it_IT.UTF-8"}},
        {nullptr, nullptr, nullptr, nullptr, {}},
    };
    const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::optional<std::string>> saved;
    for (const char* name : names) {
        const char* value = std::getenv(name);
        saved.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    }
    for (const Case& c : cases) {
        const char* values[] = {c.language, c.all, c.messages, c.lang};
        for (int i = 0; i < 4; ++i) {
            values[i] ? setenv(names[i], values[i], 1) : unsetenv(names[i]);
        }
        EXPECT_EQ(platform::UserLanguages(), c.expected);
    }
    for (int i = 0; i < 4; ++i) {
        saved[i] ? setenv(names[i], saved[i]->c_str(), 1) : unsetenv(names[i]);
    }
}
#endif

}  // namespace
}  // namespace tests
