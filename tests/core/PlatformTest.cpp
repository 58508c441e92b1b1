#include <gtest/gtest.h>

#include <cerrno>
#include <utility>

#include "FakePlatform.h"
#include "platform/FileError.h"
#include "platform/Platform.h"

namespace tests {
namespace {

using platform::FormatMessage;

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

}  // namespace
}  // namespace tests
