#include <gtest/gtest.h>

#include "results/ClassifyTask.h"

namespace tests {
namespace {

using namespace results;

TEST(ClassifyTask, Rules) {
    struct Case {
        const wchar_t* command;
        const wchar_t* exitCode;
        const wchar_t* fileModules;
        ResultKind kind;
    };
    const wchar_t* init4 = L"satask mkcluster -clusterip 10.0.0.5 -gw 10.0.0.1 -mask 255.255.255.0";
    const Case cases[] = {
        {L"satask resetpassword", L"0", L"x", ResetPasswordOk},
        {L"satask resetpassword", L"1", L"x", ResetPasswordFailed},
        {L"satask resetpassword", L"", L"x", ResetPasswordFailed},
        {L"satask resetpassword", L"00", L"x", ResetPasswordFailed},
        {L"satask resetpassword", L"0 ", L"x", ResetPasswordFailed},
        {L"satask chserviceip -default", L"0", L"x", ServiceIpDefaultOk},
        {L"satask chserviceip -default", L"5", L"x", ServiceIpDefaultFailed},
        {L"satask chserviceip -serviceip 1.2.3.4 -gw 1.2.3.1 -mask 255.0.0.0", L"0", L"x",
         ServiceIpOk},
        {L"satask chserviceip -serviceip 1.2.3.4 -gw 1.2.3.1 -mask 255.0.0.0", L"2", L"x",
         ServiceIpFailed},
        {L"satask chserviceip -serviceip_6 fd00::5 -gw_6 fd00::1 -prefix_6 64", L"0", L"x",
         ServiceIp6Ok},
        {L"satask chserviceip -serviceip_6 fd00::5 -gw_6 fd00::1 -prefix_6 64", L"1", L"x",
         ServiceIp6Failed},
        {init4, L"0", L"x", InitOk},
        {init4, L"9", L"x", InitFailed},
        {L"satask mkcluster -clusterip_6 fd00::5 -gw_6 fd00::1 -prefix_6 64", L"0", L"x", Init6Ok},
        {L"satask mkcluster -clusterip_6 fd00::5 -gw_6 fd00::1 -prefix_6 64", L"1", L"x",
         Init6Failed},
        {L"satask  mkcluster   -clusterip 10.0.0.5 -gw 10.0.0.1  -mask 255.255.255.0", L"0", L"x",
         InitOk},
        {L"satask mkcluster -clusterip 10.0.0.5 -gw 10.0.0.1 -mask 255.255.255.0 -x", L"0", L"x",
         UnrecognisedTask},
        {L"satask mkcluster -clusterip 10.0.0.5 -gw 10.0.0.1", L"0", L"x", UnrecognisedTask},
        {L"satask resetpassword now", L"0", L"x", UnrecognisedTask},
        {L"satask", L"0", L"x", UnrecognisedTask},
        {L"sainfo satask", L"0", L"x", UnrecognisedTask},
        {L"", L"0", L"x", UnrecognisedTask},
        {L"satask mknascluster", L"0", L"0", UnifiedInitOk},
        {L"satask mknascluster -clusterip 1.1.1.1 -mask 255.0.0.0 -gw 1.1.1.2 -consoleip 1.1.1.3 "
         L"-x",
         L"0", L"0", UnifiedInitOk},
        {L"satask mknascluster -clusterip 1.1.1.1", L"0", L"x", UnifiedFileModulesFailed},
        {L"satask mknascluster -clusterip 1.1.1.1", L"0", L"1", UnifiedFileModulesFailed},
        {L"satask mknascluster -clusterip 1.1.1.1", L"1", L"0", UnifiedStorageFailed},
        {L"satask mknascluster -clusterip 1.1.1.1", L"1", L"x", UnifiedStorageFailed},
        {L"satask\tresetpassword", L"0", L"x", UnrecognisedTask},  // only the blank separates
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyTask(c.command, c.exitCode, c.fileModules), c.kind)
            << std::string(c.command, c.command + wcslen(c.command));
    }
}

TEST(ClassifyTask, SplitWordsSkipsRunsOfWhiteSpace) {
    EXPECT_EQ(SplitWords(L"  a  b\t c "), (std::vector<std::wstring>{L"a", L"b\t", L"c"}));
    EXPECT_TRUE(SplitWords(L" \t ").empty());
}

}  // namespace
}  // namespace tests
