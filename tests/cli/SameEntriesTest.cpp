// The command line and the wizard's pages given the same entries: the same bytes on the key,
// and the same refusals, with the same message, for the same field. The pages are filled in
// as a person fills them in (box by box, the mode's radio button first, the range picked
// from its list); the command line gets the same values as options.
#include <filesystem>
#include <map>
#include <optional>

#include "CliTest.h"
#include "cli/Json.h"

namespace tests {
namespace {

using Args = std::vector<std::string>;

// What a run left: the task files on the key, and the refusal if the page stayed.
struct Left {
    std::map<std::string, std::string> files;
    std::optional<std::wstring> message;
    std::string field;
    bool question = false;
};

std::map<std::string, std::string> TaskFiles() {
    std::map<std::string, std::string> files;
    for (const char* name : {"satask.txt", "cfgtask.txt"}) {
        if (TempKey::Exists(name)) {
            files[name] = TempKey::Read(name);
        }
    }
    return files;
}

std::wstring W(const std::string& text) {
    return platform::FromUtf8(text);
}

class SameEntries : public CliLogic {
  protected:
    // A person doing on the pages what the options say.
    Left OnThePages(const Args& args) {
        std::map<std::string, std::string> value;
        for (std::size_t i = 1; i < args.size(); ++i) {
            const std::string name = args[i].substr(2);
            value[name] = name == "default" ? "" : args[++i];
        }
        const std::string& command = args[0];
        const int page = command == "reset-password" ? kPageMain
                         : command == "service-ip"   ? kPageResetIP
                         : command == "unified"      ? kPageNeskP1
                                                     : kPageConfigIP;
        auto sheet = Open(page);
        std::map<int, std::string> fieldOf;
        Left left;
        auto stayed = [&](int at) {
            if (sheet->GetActiveIndex() != at || fake.messages.empty()) {
                return false;
            }
            left.message = fake.messages.back().text;
            left.question = fake.messages.back().buttons == platform::MessageButtons::OkCancel;
            left.field = fieldOf[driver->Focused(*sheet->GetPage(at))];
            return true;
        };
        if (command == "reset-password") {
            driver->Click(sheet->m_pageMain, CMyPropertyPageMain::IDC_RESET_PASSWORD);
            Next(*sheet);
        } else if (command == "unified") {
            auto type = [&](framework::CPropertyPageEx& p, int id, const char* option) {
                driver->TypeAddress(p, id, W(value[option]));
                fieldOf[id] = option;
            };
            type(sheet->m_pageNeskP1, U1::IDC_ADDRESS, "address");
            type(sheet->m_pageNeskP1, U1::IDC_MASK, "mask");
            type(sheet->m_pageNeskP1, U1::IDC_GATEWAY, "gateway");
            fake.messages.clear();
            Next(*sheet);
            if (!stayed(kPageNeskP1)) {
                type(sheet->m_pageNeskP2, U2::IDC_MANAGEMENT, "management");
                type(sheet->m_pageNeskP2, U2::IDC_MODULE1, "file-module1");
                type(sheet->m_pageNeskP2, U2::IDC_MODULE2, "file-module2");
                fieldOf[U2::IDC_RANGE] = "internal-range";
                for (int i = 0; value.count("internal-range") && i < 3; ++i) {
                    const std::wstring entry =
                        sheet->m_pageNeskP2.Ctl().ComboText(U2::IDC_RANGE, i);
                    if (entry.rfind(W(value["internal-range"]), 0) == 0) {
                        driver->Select(sheet->m_pageNeskP2, U2::IDC_RANGE, i);
                    }
                }
                fake.messages.clear();
                Next(*sheet);
                stayed(kPageNeskP2);
            }
        } else {
            framework::CPropertyPageEx& p = *sheet->GetPage(page);
            const AddressBoxes boxes = BoxesOf(page);
            if (command == "service-ip") {
                driver->Click(p,
                              value.count("default") ? P4::IDC_RESET_DEFAULT : P4::IDC_CONFIGURE);
            }
            if (value.count("prefix")) {
                driver->Click(p, boxes.ipv6);
                for (auto [id, option] :
                     {std::pair{boxes.v6Address, "address"}, std::pair{boxes.prefix, "prefix"},
                      std::pair{boxes.v6Gateway, "gateway"}}) {
                    driver->Type(p, id, W(value[option]));
                    fieldOf[id] = option;
                }
            } else if (value.count("address")) {
                // The gateway row after the address row, which fills it in as it is typed.
                for (auto [row, option] :
                     {std::pair{boxes.address, "address"}, std::pair{boxes.mask, "mask"},
                      std::pair{boxes.gateway, "gateway"}}) {
                    const std::vector<std::wstring> octets = AddressFields(W(value[option]));
                    for (int i = 0; i < 4; ++i) {
                        driver->Type(p, row[i],
                                     i < static_cast<int>(octets.size()) ? octets[i] : L"");
                        fieldOf[row[i]] = option;
                    }
                }
            }
            fake.messages.clear();
            Next(*sheet);
            stayed(page);
        }
        left.files = TaskFiles();
        return left;
    }

    // The command line with the same options, on a key of its own.
    Left OnTheCommandLine(Args args, bool yes, CliRun& run) {
        TempKey other;
        args.insert(args.begin(), {"--key", other.path().string(), "--json"});
        if (yes) {
            args.insert(args.begin(), "--yes");
        }
        {
            TempKey elsewhere;  // the key is named, not the current folder
            run = RunCli(args);
        }
        Left left;
        left.files = TaskFiles();
        return left;
    }
};

std::string Expected(const std::string& command, const Left& pages) {
    using namespace cli::json;
    if (pages.message) {
        return Object({{"command", String(command)},
                       {"refused", Object({{"field", String(pages.field)},
                                           {"message", String(*pages.message)},
                                           {"question", Bool(pages.question)}})}}) +
               "\n";
    }
    Members files;
    for (const char* name : {"satask.txt", "cfgtask.txt"}) {
        if (pages.files.count(name)) {
            files.emplace_back(name, String(pages.files.at(name)));
        }
    }
    return Object({{"command", String(command)}, {"written", "true"}, {"files", Object(files)}}) +
           "\n";
}

TEST_F(SameEntries, TheSameEntriesLeaveTheSameKeyAndTheSameRefusals) {
    struct Case {
        Args args;
        bool yes = false;  // the question answered OK, on the page and by --yes
    };
    const Args ipv4 = {"--address",     "192.168.1.50", "--mask",
                       "255.255.255.0", "--gateway",    "192.168.1.1"};
    auto with = [](Args head, const Args& tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    const Args unified = {"--address",      "192.168.1.10", "--mask",         "255.255.255.0",
                          "--gateway",      "192.168.1.1",  "--management",   "192.168.1.20",
                          "--file-module1", "192.168.1.21", "--file-module2", "192.168.1.22"};
    auto unifiedWith = [&](const char* option, const char* text, const char* range) {
        Args args = {"unified"};
        for (std::size_t i = 0; i < unified.size(); i += 2) {
            args.push_back(unified[i]);
            args.push_back(unified[i] == option ? text : unified[i + 1]);
        }
        if (range) {
            args.insert(args.end(), {"--internal-range", range});
        }
        return args;
    };
    const Case cases[] = {
        {with({"new-system"}, ipv4)},
        // Leading zeros go, as the octet boxes drop them; the longest IPv4 line.
        {{"new-system", "--address", "010.001.100.200", "--mask", "255.255.255.128", "--gateway",
          "010.001.100.254"}},
        {{"service-ip", "--address", "192.168.100.200", "--mask", "255.255.255.128", "--gateway",
          "192.168.100.254"}},
        // IPv6 kept as typed, blanks around it trimmed; the prefix as its text.
        {{"new-system", "--address", " 2001:DB8::50 ", "--prefix", "064", "--gateway",
          "2001:db8::1 "}},
        {{"service-ip", "--address", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:fff0", "--prefix", "127",
          "--gateway", "FFFF:ffff:ffff:ffff:ffff:ffff:ffff:fffe"}},
        {{"service-ip", "--default"}},
        {{"reset-password"}},
        // The rows' checks in their order, each with its row's message and box.
        {{"new-system", "--address", "0.0.0.0", "--mask", "0.0.0.0", "--gateway", "1.1.1.1"}},
        {{"new-system", "--address", "192.168.1.50", "--mask", "255.300.255.0", "--gateway",
          "0.0.0.0"}},
        {{"new-system", "--address", "192.168.1.50", "--mask", "255.255.255.0", "--gateway",
          "192.168.1.999"}},
        // An empty box: the exchange's own message, in the page's order of boxes.
        {{"new-system", "--address", "192.168..50", "--mask", "255.255.255", "--gateway",
          "192.168.1.1"}},
        {{"service-ip", "--address", "192.168..50", "--mask", "255.255.255", "--gateway",
          "192.168.1.1"}},
        {{"service-ip", "--address", "192.168.1.50", "--mask", "", "--gateway", "192.168.1.1"}},
        // The IPv6 steps.
        {{"new-system", "--address", "", "--prefix", "64", "--gateway", "fe80::1"}},
        {{"new-system", "--address", "2001:db8::g", "--prefix", "64", "--gateway", "fe80::1"}},
        {{"service-ip", "--address", "2001:db8::1", "--prefix", "128", "--gateway", "fe80::1"}},
        {{"service-ip", "--address", "2001:db8::1", "--prefix", "", "--gateway", "fe80::1"}},
        {{"new-system", "--address", "2001:db8::1", "--prefix", "64", "--gateway", "  "}},
        {{"new-system", "--address", "2001:db8::1", "--prefix", "64", "--gateway", "::"}},
        // The parser cannot validate the address: Cancel stays, OK writes it anyway.
        {{"new-system", "--address", "2001:db8", "--prefix", "64", "--gateway", "fe80::1"}},
        {{"new-system", "--address", "2001:db8", "--prefix", "64", "--gateway", "fe80::1"}, true},
        // The unified pages, each range, the longest lines, and their refusals.
        {unifiedWith("", "", "172.31.8.1")},
        {unifiedWith("", "", "192.168.8.1")},
        {unifiedWith("", "", "10.254.8.1   - 10.254.8.10")},
        {{"unified", "--address", "100.100.100.100", "--mask", "255.255.255.128", "--gateway",
          "100.100.100.126", "--management", "100.100.100.101", "--file-module1", "100.100.100.102",
          "--file-module2", "100.100.100.103", "--internal-range", "10.254.8.1"}},
        {unifiedWith("--address", "192.168..10", "172.31.8.1")},
        {unifiedWith("--mask", "192.168.1.10", "172.31.8.1")},
        {unifiedWith("--gateway", "10.0.0.1", "172.31.8.1")},
        {unifiedWith("--management", "192.168.1.10", "172.31.8.1")},
        {unifiedWith("--file-module1", "192.168.1.20", "172.31.8.1")},
        {unifiedWith("--file-module2", "", "172.31.8.1")},
        {unifiedWith("--file-module2", "192.168.2.22", "172.31.8.1")},
        {unifiedWith("", "", nullptr)},
    };
    for (const Case& c : cases) {
        std::string trace;
        for (const std::string& arg : c.args) {
            trace += " '" + arg + "'";
        }
        SCOPED_TRACE(trace);
        std::filesystem::remove("satask.txt");
        std::filesystem::remove("cfgtask.txt");
        fake.answers = {c.yes ? platform::kAnswerOk : platform::kAnswerCancel};
        const Left pages = OnThePages(c.args);
        CliRun run{};
        const Left line = OnTheCommandLine(c.args, c.yes, run);
        EXPECT_EQ(line.files, pages.files);
        EXPECT_EQ(run.out, Expected(c.args[0], pages));
        EXPECT_EQ(run.code, pages.message ? 1 : 0) << run.err;
        if (pages.message) {
            EXPECT_FALSE(pages.field.empty());
            EXPECT_NE(run.err.find(platform::ToUtf8(*pages.message)), std::string::npos) << run.err;
        }
    }
}

}  // namespace
}  // namespace tests
