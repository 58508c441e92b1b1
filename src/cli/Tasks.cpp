#include "cli/Tasks.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>

#include "address/AddressChecks.h"
#include "framework/headless/Backend.h"
#include "platform/FileError.h"
#include "platform/StringIds.h"
#include "platform/Utf8.h"
#include "taskfile/TaskFile.h"
#include "wizard/AddressPage.h"
#include "wizard/MyPropertySheet.h"
#include "wizard/PageIds.h"

namespace cli {
namespace {

using framework::headless::RecordControls;
using namespace wizard;

std::vector<std::wstring> Groups(const std::wstring& text) {
    std::vector<std::wstring> groups(1);
    for (wchar_t c : text) {
        if (c == L'.') {
            groups.emplace_back();
        } else {
            groups.back() += c;
        }
    }
    return groups;
}

bool Digits(const std::wstring& text, std::size_t most) {
    return !text.empty() && text.size() <= most &&
           text.find_first_not_of(L"0123456789") == std::wstring::npos;
}

// The four octet boxes of a row, typed from dotted text: a group left empty ("192.168..10")
// or left out ("192.168.1") is an empty box. Nothing when the text cannot be typed into the
// boxes: more than four groups, or a group that is not one to three digits.
std::optional<std::array<std::wstring, 4>> OctetBoxes(const std::wstring& text) {
    const std::vector<std::wstring> groups = Groups(text);
    std::array<std::wstring, 4> boxes;
    if (groups.size() > boxes.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (!groups[i].empty() && !Digits(groups[i], 3)) {
            return std::nullopt;
        }
        boxes[i] = groups[i];
    }
    return boxes;
}

// What an IP address control holds once dotted text is typed into it: its value (blank
// fields 0) and the fields filled in. Text that no such control can hold (a field over 255,
// or not digits, or more than four fields) leaves it blank, which its page refuses in turn.
std::pair<std::uint32_t, int> AddressFields(const std::wstring& text) {
    const std::vector<std::wstring> groups = Groups(text);
    std::uint32_t value = 0;
    int filled = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::wstring field = i < groups.size() ? groups[i] : std::wstring();
        if (!field.empty() && (!Digits(field, 3) || std::stoi(field) > 255)) {
            return {0, 0};
        }
        filled += field.empty() ? 0 : 1;
        value = value << 8 | static_cast<std::uint32_t>(field.empty() ? 0 : std::stoi(field));
    }
    return groups.size() > 4 ? std::pair<std::uint32_t, int>{0, 0} : std::pair{value, filled};
}

// The wizard opened on one page, without windows, and what the command typed where.
class Session {
  public:
    Session(int page, MessageCatcher& messages) : sheet_(page), messages_(messages) {
        sheet_.SetActivePage(page);
        Settle();
    }

    RecordControls& Controls() { return framework::headless::Records(*sheet_.GetActivePage()); }
    CMyPropertySheet& Sheet() { return sheet_; }

    void Type(int id, const std::wstring& text, const char* option) {
        Controls().Type(id, text);
        Name(id, option);
    }
    void TypeAddress(int id, const std::string& text, const char* option) {
        const auto [value, filled] = AddressFields(platform::FromUtf8(text));
        Controls().TypeAddress(id, value, filled);
        Name(id, option);
    }
    void Name(int id, const char* option) {
        options_.push_back({sheet_.GetActiveIndex(), id, option});
    }
    // Text that the page's boxes cannot hold, refused with the page's message for the box.
    TaskOutcome Refuse(const char* option, int messageId, const std::wstring& argument) {
        TaskOutcome outcome;
        outcome.result = TaskOutcome::Refused;
        outcome.field = option;
        outcome.message = platform::LoadFormatted(messageId, {argument});
        messages_.shown.clear();
        messages_.shown.push_back({outcome.message, true, false});
        return outcome;
    }
    void Click(int id) {
        Controls().Click(id);
        Settle();
    }

    // Presses Next; true when the wizard went on to page `next` with Finish offered there
    // (on a done page: the task is on the key). Otherwise the outcome says why it stayed.
    bool Next(int next, TaskOutcome& outcome) {
        messages_.shown.clear();  // what the live checks said while typing is said again
        const int before = sheet_.GetActiveIndex();
        sheet_.PressNext();
        Settle();
        const bool donePage = next != kPageNeskP2;
        if (sheet_.GetActiveIndex() == next &&
            (!donePage || (sheet_.Buttons() & framework::PSWIZB_FINISH))) {
            return true;
        }
        // A check refused an entry in a message its page owns, and the page stayed; the
        // writer's messages belong to no window.
        outcome.result = TaskOutcome::NotWritten;
        for (const MessageCatcher::Shown& shown : messages_.shown) {
            if (shown.owned && sheet_.GetActiveIndex() == before) {
                outcome.result = TaskOutcome::Refused;
                outcome.message = shown.text;
                outcome.question = shown.question;
                outcome.field = Option(sheet_.GetActivePage()->Window()->FocusedControl());
            }
        }
        return false;
    }

  private:
    void Settle() { framework::headless::SheetWindowOf(sheet_).Flush(); }
    // The option typed into a control of the page shown (pages share control ids).
    std::string Option(int id) const {
        for (const Named& named : options_) {
            if (named.page == sheet_.GetActiveIndex() && named.control == id) {
                return named.option;
            }
        }
        return std::string();
    }

    framework::headless::HeadlessBackend backend_;
    CMyPropertySheet sheet_;
    MessageCatcher& messages_;
    struct Named {
        int page;
        int control;
        const char* option;
    };
    std::vector<Named> options_;
};

// The address page's entries: the mode's radio button, then the boxes.
template <class Page>
std::optional<TaskOutcome> EnterAddresses(Session& session, const Invocation& in) {
    const AddressPageIds ids = AddressPageIdsOf<Page>(0, 0);
    const bool ipv6 = in.Has("prefix");
    session.Click(ipv6 ? Page::IDC_IPV6 : Page::IDC_IPV4);
    if (ipv6) {
        // The boxes hold 39 characters and the prefix three digits; the page trims what
        // they hold before its checks and writes it as it stands.
        const std::wstring address = address::Trim(platform::FromUtf8(in.Value("address")));
        const std::wstring prefix = address::Trim(platform::FromUtf8(in.Value("prefix")));
        const std::wstring gateway = address::Trim(platform::FromUtf8(in.Value("gateway")));
        if (address.size() > 39) {
            return session.Refuse("address", IDS_INVALID_ADDRESS, address);
        }
        if (!prefix.empty() && !Digits(prefix, 3)) {
            return session.Refuse("prefix", IDS_INVALID_PREFIX, prefix);
        }
        if (gateway.size() > 39) {
            return session.Refuse("gateway", IDS_INVALID_GATEWAY, gateway);
        }
        session.Type(ids.v6Address, address, "address");
        session.Type(ids.prefix, prefix, "prefix");
        session.Type(ids.v6Gateway, gateway, "gateway");
        return std::nullopt;
    }
    struct Row {
        const char* option;
        const std::array<int, 4>& boxes;
        int invalidMessage;
    };
    // The gateway row last: the address row's boxes fill it in as they are typed.
    const Row rows[] = {{"address", ids.address, IDS_INVALID_ADDRESS},
                        {"mask", ids.mask, IDS_INVALID_MASK},
                        {"gateway", ids.gateway, IDS_INVALID_GATEWAY}};
    for (const Row& row : rows) {
        const std::wstring text = platform::FromUtf8(in.Value(row.option));
        const auto boxes = OctetBoxes(text);
        if (!boxes) {
            return session.Refuse(row.option, row.invalidMessage, text);
        }
        for (std::size_t i = 0; i < boxes->size(); ++i) {
            session.Type(row.boxes[i], (*boxes)[i], row.option);
        }
    }
    return std::nullopt;
}

std::string ReadFile(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The internal range's entry that the option names, by its first address or its whole text.
int RangeIndex(RecordControls& controls, const std::string& option) {
    const std::wstring wanted = platform::FromUtf8(option);
    const int range = MyPropertyPageConfigNeskP2::IDC_RANGE;
    for (int i = 0; i < controls.ComboCount(range); ++i) {
        const std::wstring entry = controls.ComboText(range, i);
        if (wanted == entry || wanted == entry.substr(0, entry.find(L' '))) {
            return i;
        }
    }
    return -1;
}

}  // namespace

TaskOutcome RunTask(const Invocation& in, MessageCatcher& messages) {
    TaskOutcome outcome;
    std::vector<const char*> files{taskfile::kTaskFile};
    const std::string& command = in.command;
    if (command == "reset-password") {
        Session session(kPageMain, messages);
        session.Click(CMyPropertyPageMain::IDC_RESET_PASSWORD);
        if (!session.Next(kPageResetPasswordDone, outcome)) {
            return outcome;
        }
    } else if (command == "service-ip") {
        using Page = CMyPropertyPageResetIP;
        Session session(kPageResetIP, messages);
        session.Click(in.serviceDefault ? Page::IDC_RESET_DEFAULT : Page::IDC_CONFIGURE);
        if (!in.serviceDefault) {
            if (auto refused = EnterAddresses<Page>(session, in)) {
                return *refused;
            }
        }
        if (!session.Next(kPageResetIPDone, outcome)) {
            return outcome;
        }
    } else if (command == "new-system") {
        Session session(kPageConfigIP, messages);
        if (auto refused = EnterAddresses<CMyPropertyPageConfigIP>(session, in)) {
            return *refused;
        }
        if (!session.Next(kPageConfigIPDone, outcome)) {
            return outcome;
        }
    } else if (command == "unified") {
        using P1 = MyPropertyPageConfigNeskP1;
        using P2 = MyPropertyPageConfigNeskP2;
        Session session(kPageNeskP1, messages);
        session.TypeAddress(P1::IDC_ADDRESS, in.Value("address"), "address");
        session.TypeAddress(P1::IDC_MASK, in.Value("mask"), "mask");
        session.TypeAddress(P1::IDC_GATEWAY, in.Value("gateway"), "gateway");
        if (!session.Next(kPageNeskP2, outcome)) {
            return outcome;
        }
        session.TypeAddress(P2::IDC_MANAGEMENT, in.Value("management"), "management");
        session.TypeAddress(P2::IDC_MODULE1, in.Value("file-module1"), "file-module1");
        session.TypeAddress(P2::IDC_MODULE2, in.Value("file-module2"), "file-module2");
        session.Name(P2::IDC_RANGE, "internal-range");
        if (in.Has("internal-range")) {
            session.Controls().Select(P2::IDC_RANGE,
                                      RangeIndex(session.Controls(), in.Value("internal-range")));
        }
        if (!session.Next(kPageNeskDone, outcome)) {
            return outcome;
        }
        files.push_back(taskfile::kFileModuleTaskFile);
    }
    outcome.result = TaskOutcome::Written;
    for (const char* name : files) {
        outcome.files.emplace_back(name, ReadFile(name));
    }
    return outcome;
}

TaskOutcome RehearseTask(const Invocation& in, MessageCatcher& messages) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path home = fs::current_path(error);
    fs::path scratch = fs::temp_directory_path(error);
    std::random_device random;
    for (int attempt = 0; !error && attempt < 100; ++attempt) {
        const fs::path candidate = scratch / ("k4400-init-cli-" + std::to_string(random()));
        if (fs::create_directory(candidate, error)) {
            scratch = candidate;
            break;
        }
    }
    if (!error) {
        fs::current_path(scratch, error);
    }
    if (error) {
        TaskOutcome outcome;
        messages.shown.push_back({platform::DescribeFileError(
                                      platform::CauseFromErrno(error.value()), scratch.wstring()),
                                  false, false});
        return outcome;
    }
    TaskOutcome outcome = RunTask(in, messages);
    fs::current_path(home, error);
    fs::remove_all(scratch, error);
    return outcome;
}

}  // namespace cli
