#include "cli/Options.h"

#include <algorithm>

namespace cli {
namespace {

struct Command {
    const char* name;
    std::vector<const char*> options;  // value options, in the order the help gives them
    const char* summary;
    const char* help;
};

const Command kCommands[] = {
    {"new-system",
     {"address", "mask", "prefix", "gateway"},
     "write the task that initialises a new system",
     "  --address A --mask M --gateway G       IPv4: the system's address, mask, gateway\n"
     "  --address A6 --prefix P --gateway G6   IPv6: the address, prefix length, gateway\n"
     "\n"
     "An IPv4 value is four groups of one to three digits (\"010\" is written 10); a group\n"
     "left empty is an empty box. An IPv6 value is kept as typed, blanks around it removed.\n"
     "Where the system's parser cannot validate an address, the question is printed and the\n"
     "task is refused, unless --yes answers OK.\n"
     "\n"
     "Example:\n"
     "  k4400-init-cli --key /media/usb new-system --address 192.168.1.50 \\\n"
     "      --mask 255.255.255.0 --gateway 192.168.1.1\n"},
    {"service-ip",
     {"address", "mask", "prefix", "gateway"},
     "write the task that sets the service assistant IP address",
     "  --default                              reset the service IP address to its default\n"
     "  --address A --mask M --gateway G       IPv4, as for new-system\n"
     "  --address A6 --prefix P --gateway G6   IPv6, as for new-system\n"},
    {"reset-password", {}, "write the task that resets the superuser password", ""},
    {"unified",
     {"address", "mask", "gateway", "management", "file-module1", "file-module2", "internal-range"},
     "write the two tasks that initialise a unified system",
     "  --address A --mask M --gateway G       the storage system's address, mask, gateway\n"
     "  --management MG                        the management IP address\n"
     "  --file-module1 F1 --file-module2 F2    the two file modules' addresses\n"
     "  --internal-range R                     the internal address range: its first\n"
     "                                         address (172.31.8.1, 192.168.8.1 or\n"
     "                                         10.254.8.1) or its whole entry\n"
     "\n"
     "An address with an empty group (192.168..10) is a partly filled address.\n"},
    {"results",
     {},
     "report what the system wrote back onto the key",
     "The results are read and classified as the wizard does at start; nothing is removed.\n"
     "With --json: one object with result_kind, dialog, texts, launch, messages, start_page\n"
     "and files.\n"},
    {"clear", {}, "remove the task files from the key, as Cancel on a done page does", ""},
};

const Command* FindCommand(const std::string& name) {
    for (const Command& command : kCommands) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

Invocation Fail(std::string error) {
    Invocation invocation;
    invocation.action = Invocation::Error;
    invocation.error = std::move(error);
    return invocation;
}

// What the command needs besides its options' own shapes.
std::string MissingOrClashing(const Invocation& in) {
    auto need = [&in](std::initializer_list<const char*> names) -> std::string {
        for (const char* name : names) {
            if (!in.Has(name)) {
                return std::string(in.command) + " needs --" + name;
            }
        }
        return "";
    };
    if (in.command == "service-ip" && in.serviceDefault) {
        return in.values.empty() ? "" : "--default takes no address options";
    }
    if (in.command == "new-system" || in.command == "service-ip") {
        if (in.Has("mask") == in.Has("prefix")) {
            return in.command + " needs either --mask (IPv4) or --prefix (IPv6)";
        }
        return need({"address", "gateway"});
    }
    if (in.command == "unified") {
        return need({"address", "mask", "gateway", "management", "file-module1", "file-module2"});
    }
    return "";
}

}  // namespace

Invocation ParseInvocation(const std::vector<std::string>& args) {
    Invocation in;
    bool help = false, version = false;
    std::vector<std::pair<std::string, std::string>> given;  // value options, in order
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0 || arg == "--") {
            if (!in.command.empty()) {
                return Fail("unexpected argument '" + arg + "'");
            }
            if (!FindCommand(arg)) {
                return Fail("unknown command '" + arg + "'");
            }
            in.command = arg;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name =
            arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const bool flag = name == "json" || name == "dry-run" || name == "yes" || name == "help" ||
                          name == "version" || name == "default";
        if (flag) {
            if (equals != std::string::npos) {
                return Fail("--" + name + " takes no value");
            }
            in.json |= name == "json";
            in.dryRun |= name == "dry-run";
            in.yes |= name == "yes";
            help |= name == "help";
            version |= name == "version";
            in.serviceDefault |= name == "default";
            continue;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) {
            value = args[++i];
        } else {
            return Fail("--" + name + " needs a value");
        }
        given.emplace_back(name, value);
    }
    if (help) {
        in.action = Invocation::Help;
        return in;
    }
    if (version) {
        in.action = Invocation::Version;
        return in;
    }
    if (in.command.empty()) {
        return Fail("no command given");
    }
    const Command& command = *FindCommand(in.command);
    for (const auto& [name, value] : given) {
        if (name == "key") {
            if (!in.key.empty() || value.empty()) {
                return Fail(value.empty() ? "--key needs a folder" : "--key given twice");
            }
            in.key = value;
            continue;
        }
        const bool known = std::any_of(command.options.begin(), command.options.end(),
                                       [&name](const char* option) { return name == option; });
        if (!known) {
            return Fail("unknown option --" + name + " for " + in.command);
        }
        if (!in.values.emplace(name, value).second) {
            return Fail("--" + name + " given twice");
        }
    }
    if (in.serviceDefault && in.command != "service-ip") {
        return Fail("unknown option --default for " + in.command);
    }
    if (std::string problem = MissingOrClashing(in); !problem.empty()) {
        return Fail(problem);
    }
    return in;
}

std::string HelpText(const std::string& name) {
    const std::string usage =
        "usage: k4400-init-cli [--key DIR] [--json] [--dry-run] [--yes] COMMAND [OPTIONS]\n";
    if (const Command* command = FindCommand(name)) {
        std::string text = "usage: k4400-init-cli [--key DIR] [--json] [--dry-run] [--yes] " +
                           name + (command->options.empty() ? "" : " OPTIONS") + "\n\n" +
                           command->summary + ".\n";
        if (*command->help) {
            text += std::string("\n") + command->help;
        }
        return text + "\nk4400-init-cli --help lists the global options and the exit codes.\n";
    }
    std::string text = usage +
                       "\nPrepares a USB key for a Quorvex Veltara K4400 storage system, or "
                       "reads what the\nsystem wrote back: the checks, task files and results "
                       "of the k4400-init wizard,\nwithout a window.\n\nCommands:\n";
    for (const Command& command : kCommands) {
        std::string line = "  " + std::string(command.name);
        line.resize(18, ' ');
        text += line + command.summary + "\n";
    }
    text +=
        "\nOptions:\n"
        "  --key DIR         the key folder (default: the current folder; on Windows, started\n"
        "                    in the Windows or system folder, the folder of the program)\n"
        "  --json            print one JSON object on stdout, for scripts\n"
        "  --dry-run         print the task line(s) that would be written; write nothing\n"
        "  --yes             answer OK where the wizard asks to confirm an address\n"
        "  --help            this help; COMMAND --help: the command's options\n"
        "  --version         the version\n"
        "\nExit status:\n"
        "  0  done: the task written; or the results report a task that succeeded\n"
        "  1  an entry was refused by a check\n"
        "  2  bad usage\n"
        "  3  the key could not be written or read\n"
        "  4  the results report a task that failed\n"
        "  5  no results on the key to report\n"
        "\nMessages go to stderr in the user's language, as the wizard's do.\n";
    return text;
}

std::string VersionText() {
    return "k4400-init-cli " K4400_VERSION "\n";
}

}  // namespace cli
