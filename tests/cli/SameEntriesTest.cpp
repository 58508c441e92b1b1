// The command line and the wizard's pages bind to the same forms, so the same entries give
// the same bytes and refusals by construction. What remains to hold is the binding: each
// set of options must come to the entries a person types into the page's boxes (box by box,
// the mode chosen first, the range picked from its list), and the command line must write
// or refuse exactly what the form says.
#include <filesystem>
#include <variant>

#include "CliTest.h"
#include "cli/Bind.h"
#include "forms/PasswordResetForm.h"

namespace tests {
namespace {

using Args = std::vector<std::string>;
using forms::AddressForm;
using forms::AddressTask;
using Row = AddressForm::Row;

AddressForm Ipv4(AddressTask task, Row address, Row mask, Row gateway) {
    AddressForm form(task);
    form.address = address;
    form.mask = mask;
    form.gateway = gateway;
    return form;
}

AddressForm Ipv6(AddressTask task, const wchar_t* address, const wchar_t* prefix,
                 const wchar_t* gateway, bool yes = false) {
    AddressForm form(task);
    form.mode = address::kModeIPv6;
    form.v6Address = address;
    form.prefix = prefix;
    form.v6Gateway = gateway;
    form.confirmed = yes;
    return form;
}

struct Unified {
    forms::StorageForm storage;
    forms::FileModulesForm modules;
};

forms::AddressEntry A(std::uint32_t value, int filled = 4) {
    return {value, filled};
}

void ExpectSame(const AddressForm& bound, const AddressForm& typed) {
    EXPECT_EQ(bound.task, typed.task);
    EXPECT_EQ(bound.resetDefault, typed.resetDefault);
    EXPECT_EQ(bound.mode, typed.mode);
    EXPECT_EQ(bound.address, typed.address);
    EXPECT_EQ(bound.mask, typed.mask);
    EXPECT_EQ(bound.gateway, typed.gateway);
    EXPECT_EQ(bound.v6Address, typed.v6Address);
    EXPECT_EQ(bound.prefix, typed.prefix);
    EXPECT_EQ(bound.v6Gateway, typed.v6Gateway);
    EXPECT_EQ(bound.confirmed, typed.confirmed);
}

void ExpectSame(const forms::AddressEntry& bound, const forms::AddressEntry& typed) {
    EXPECT_EQ(bound.value, typed.value);
    EXPECT_EQ(bound.filled, typed.filled);
}

// What the form says of its entries: the task's lines, or the option of the refused entry.
struct Verdict {
    taskfile::TaskLines lines;
    std::string refused;
};
Verdict Of(std::optional<forms::Refusal> refusal, const taskfile::TaskLines& lines) {
    return refusal ? Verdict{{}, cli::OptionOf(refusal->entry)} : Verdict{lines, ""};
}

using CommandLineBinding = CliLogic;

TEST_F(CommandLineBinding, OptionsComeToTheEntriesAPersonTypes) {
    using Typed = std::variant<AddressForm, Unified, std::monostate>;
    struct Case {
        Args args;
        Typed typed;
    };
    const AddressTask ns = AddressTask::NewSystem, sip = AddressTask::ServiceIp;
    AddressForm serviceDefault(sip);
    serviceDefault.resetDefault = true;
    const Args unifiedArgs = {"unified",       "--address",      "192.168.1.10", "--mask",
                              "255.255.255.0", "--gateway",      "192.168.1.1",  "--management",
                              "192.168.1.20",  "--file-module1", "192.168.1.21", "--file-module2",
                              "192.168.1.22"};
    auto unified = [&](const char* option, const char* text, const char* range) {
        Args args = unifiedArgs;
        for (std::size_t i = 1; i < args.size(); i += 2) {
            if (args[i] == option) {
                args[i + 1] = text;
            }
        }
        if (range) {
            args.insert(args.end(), {"--internal-range", range});
        }
        return args;
    };
    const forms::StorageForm storage{A(Ip(192, 168, 1, 10)), A(Ip(255, 255, 255, 0)),
                                     A(Ip(192, 168, 1, 1))};
    auto modules = [](forms::AddressEntry m2, const wchar_t* range) {
        return forms::FileModulesForm{
            {}, A(Ip(192, 168, 1, 20)), A(Ip(192, 168, 1, 21)), m2, range};
    };
    const wchar_t* r172 = forms::kInternalRanges[0];
    const Case cases[] = {
        {{"new-system", "--address", "192.168.1.50", "--mask", "255.255.255.0", "--gateway",
          "192.168.1.1"},
         Ipv4(ns, {L"192", L"168", L"1", L"50"}, {L"255", L"255", L"255", L"0"},
              {L"192", L"168", L"1", L"1"})},
        // Boxes hold what was typed: leading zeros go only when the line is composed.
        {{"service-ip", "--address", "010.001.100.200", "--mask", "255.255.255.128", "--gateway",
          "010.001.100.254"},
         Ipv4(sip, {L"010", L"001", L"100", L"200"}, {L"255", L"255", L"255", L"128"},
              {L"010", L"001", L"100", L"254"})},
        // A group left empty or left out is an empty box.
        {{"new-system", "--address", "192.168..50", "--mask", "255.255.255", "--gateway", ""},
         Ipv4(ns, {L"192", L"168", L"", L"50"}, {L"255", L"255", L"255", L""},
              {L"", L"", L"", L""})},
        // IPv6 as typed, the blanks around it gone; the prefix as its text.
        {{"new-system", "--address", " 2001:DB8::50 ", "--prefix", "064", "--gateway",
          "2001:db8::1 "},
         Ipv6(ns, L"2001:DB8::50", L"064", L"2001:db8::1")},
        {{"--yes", "service-ip", "--address", "2001:db8", "--prefix", "", "--gateway", "fe80::1"},
         Ipv6(sip, L"2001:db8", L"", L"fe80::1", true)},
        {{"service-ip", "--default"}, serviceDefault},
        {{"reset-password"}, std::monostate{}},
        // An IP address control holds what fits: a blank field, or nothing at all.
        {unified("", "", "172.31.8.1"), Unified{storage, modules(A(Ip(192, 168, 1, 22)), r172)}},
        {unified("--file-module2", "192.168..22", "172.31.8.1  - 172.31.8.10"),
         Unified{storage, modules(A(Ip(192, 168, 0, 22), 3), r172)}},
        {unified("--file-module2", "192.168.1.300", "10.254.8.1"),
         Unified{storage, modules(A(0, 0), forms::kInternalRanges[2])}},
        // A range the list does not hold is none picked.
        {unified("", "", "10.0.0.1"), Unified{storage, modules(A(Ip(192, 168, 1, 22)), L"")}},
    };
    for (const Case& c : cases) {
        std::string trace;
        for (const std::string& arg : c.args) {
            trace += " '" + arg + "'";
        }
        SCOPED_TRACE(trace);
        const cli::BoundTask bound = cli::Bind(cli::ParseInvocation(c.args));
        ASSERT_FALSE(bound.refused);
        Verdict verdict;
        if (const auto* form = std::get_if<AddressForm>(&c.typed)) {
            ASSERT_TRUE(bound.address);
            ExpectSame(*bound.address, *form);
            verdict = Of(form->Check(), form->Check() ? taskfile::TaskLines{} : form->Compose());
        } else if (const auto* typed = std::get_if<Unified>(&c.typed)) {
            ASSERT_TRUE(bound.storage && bound.modules);
            ExpectSame(bound.storage->address, typed->storage.address);
            ExpectSame(bound.storage->mask, typed->storage.mask);
            ExpectSame(bound.storage->gateway, typed->storage.gateway);
            ExpectSame(bound.modules->management, typed->modules.management);
            ExpectSame(bound.modules->module1, typed->modules.module1);
            ExpectSame(bound.modules->module2, typed->modules.module2);
            EXPECT_EQ(bound.modules->range, typed->modules.range);
            forms::FileModulesForm second = typed->modules;
            second.storage = typed->storage.Accepted();
            verdict = typed->storage.Check() ? Of(typed->storage.Check(), {})
                                             : Of(second.Check(), second.Compose());
        } else {
            EXPECT_FALSE(bound.address || bound.storage);
            verdict = {forms::PasswordResetForm().Compose(), ""};
        }
        // The command line writes, or refuses, what the form says.
        std::filesystem::remove("satask.txt");
        std::filesystem::remove("cfgtask.txt");
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.code, verdict.refused.empty() ? 0 : 1) << run.err;
        std::string expected;
        for (const taskfile::TaskLine& line : verdict.lines) {
            expected += std::string(line.file) + ": " + line.line + "\n";
            EXPECT_EQ(TempKey::Read(line.file), line.line);
        }
        EXPECT_EQ(run.out, expected);
        if (!verdict.refused.empty()) {
            const CliRun json = RunCli([&] {
                Args args = c.args;
                args.insert(args.begin(), "--json");
                return args;
            }());
            EXPECT_NE(json.out.find("\"field\":\"" + verdict.refused + "\""), std::string::npos)
                << json.out;
            EXPECT_FALSE(TempKey::Exists("satask.txt"));
        }
    }
}

}  // namespace
}  // namespace tests
