#include "cli/Options.h"

#include <algorithm>

#include "cli/Report.h"
#include "cli/Tasks.h"
#include "platform/Version.h"

namespace cli {
namespace {

const char kProgram[] = "k4400-init-cli";
const char kGlobalUsage[] = "[--key DIR] [--json] [--dry-run] [--yes]";

const std::vector<OptionSpec> kAddressOptions = {
    {"address", "A", "the address: IPv4 (four groups of digits) or IPv6", {}},
    {"mask", "M", "IPv4: the subnet mask", {}},
    {"prefix", "P", "IPv6: the prefix length, 0 to 127", {}},
    {"gateway", "G", "the gateway, IPv4 or IPv6 as the address", {}},
};

const char kAddressHelp[] =
    "An IPv4 value is four groups of one to three digits (\"010\" is written 10); a group\n"
    "left empty is an empty box. An IPv6 value is kept as typed, blanks around it removed.\n"
    "Where the system's parser cannot validate an address, the question is printed and the\n"
    "task is refused, unless --yes answers OK.\n";

std::vector<OptionSpec> ServiceIpOptions() {
    std::vector<OptionSpec> options = {
        {"default", nullptr, "reset the service IP address to its default", {}}};
    options.insert(options.end(), kAddressOptions.begin(), kAddressOptions.end());
    return options;
}

const std::vector<CommandSpec> kCommands = {
    {"new-system",
     "write the task that initialises a new system",
     {"--address A --mask M --gateway G", "--address A6 --prefix P --gateway G6"},
     kAddressOptions,
     kAddressHelp,
     RunTask},
    {"service-ip",
     "write the task that sets the service assistant IP address",
     {"--default", "--address A --mask M --gateway G", "--address A6 --prefix P --gateway G6"},
     ServiceIpOptions(),
     kAddressHelp,
     RunTask},
    {"reset-password", "write the task that resets the superuser password", {}, {}, "", RunTask},
    {"unified",
     "write the two tasks that initialise a unified system",
     {"--address A --mask M --gateway G --management MG --file-module1 F1 --file-module2 F2 "
      "--internal-range R"},
     {{"address", "A", "the storage system's address", {}},
      {"mask", "M", "its subnet mask", {}},
      {"gateway", "G", "its gateway", {}},
      {"management", "MG", "the management IP address", {}},
      {"file-module1", "F1", "file module 1's address", {}},
      {"file-module2", "F2", "file module 2's address", {}},
      {"internal-range",
       "R",
       "the internal address range: its first address or its whole entry",
       {"172.31.8.1", "192.168.8.1", "10.254.8.1"}}},
     "Both files are written, or neither. An address with an empty group (192.168..10) is a\n"
     "partly filled address.\n",
     RunTask},
    {"results",
     "report what the system wrote back onto the key",
     {},
     {},
     "The results are read and classified as the wizard does at start; nothing is removed.\n"
     "With --json: one object (version 1) with result, outcome, texts, launch, messages,\n"
     "start_page and files.\n",
     RunResults},
    {"clear",
     "remove the task files from the key, as Cancel on a done page does",
     {},
     {},
     "",
     RunClear},
};

const std::vector<OptionSpec> kGlobalOptions = {
    {"key",
     "DIR",
     "the key folder (default: the current folder; on Windows, started in\n"
     "the Windows or system folder, the folder of the program)",
     {}},
    {"json", nullptr, "print one JSON object on stdout, for scripts", {}},
    {"dry-run", nullptr, "print the task line(s) that would be written; write nothing", {}},
    {"yes", nullptr, "answer OK where the wizard asks to confirm an address", {}},
    {"help", nullptr, "this help; COMMAND --help or help COMMAND: the command's options", {}},
    {"version", nullptr, "the version", {}},
};

const OptionSpec* FindIn(const std::vector<OptionSpec>& options, const std::string& name) {
    for (const OptionSpec& option : options) {
        if (name == option.name) {
            return &option;
        }
    }
    return nullptr;
}

// An option of the program, or of any of its commands: known somewhere.
const OptionSpec* FindAnywhere(const std::string& name) {
    if (const OptionSpec* option = FindIn(kGlobalOptions, name)) {
        return option;
    }
    for (const CommandSpec& command : kCommands) {
        if (const OptionSpec* option = FindIn(command.options, name)) {
            return option;
        }
    }
    return nullptr;
}

// Adds `word` to a list of words, `separator` between them.
void Append(std::string& list, const std::string& word, const char* separator = " ") {
    if (!list.empty()) {
        list += separator;
    }
    list += word;
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

// "  --name VALUE      help", the help's lines below the first indented to the column.
std::string OptionLines(const std::vector<OptionSpec>& options, bool shortHelp) {
    std::string text;
    for (const OptionSpec& option : options) {
        std::string head = "  ";
        if (shortHelp && std::string(option.name) == "help") {
            head += "-h, ";
        }
        head +=
            std::string("--") + option.name + (option.value ? std::string(" ") + option.value : "");
        head.resize(std::max<std::size_t>(head.size() + 2, 20), ' ');
        std::string help = option.help;
        for (std::size_t at = help.find('\n'); at != std::string::npos;
             at = help.find('\n', at + 1)) {
            help.insert(at + 1, std::string(head.size(), ' '));
        }
        text += head + help + "\n";
    }
    return text;
}

// Roff: a hyphen that prints as one, and a usage with its option names in bold and their
// values in italics.
std::string Roff(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c == '-' ? std::string("\\-") : std::string(1, c);
    }
    return out;
}
std::string RoffUsage(const std::string& usage) {
    std::string out;
    std::size_t at = 0;
    while (at < usage.size()) {
        const std::size_t end = std::min(usage.find(' ', at), usage.size());
        const std::string word = usage.substr(at, end - at);
        Append(out, word.rfind("--", 0) == 0 ? Roff(word) : "\\fI" + word + "\\fB");
        at = end + 1;
    }
    return out;
}

}  // namespace

const std::vector<OptionSpec>& GlobalOptions() {
    return kGlobalOptions;
}

const std::vector<CommandSpec>& Commands() {
    return kCommands;
}

const CommandSpec* FindCommand(const std::string& name) {
    for (const CommandSpec& command : kCommands) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

Invocation ParseInvocation(const std::vector<std::string>& args) {
    Invocation in;
    bool help = false, version = false, optionsEnded = false;
    std::vector<std::string> words;                          // the command and what follows it
    std::vector<std::pair<std::string, std::string>> given;  // value options, in order
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            words.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h") {
            help = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            return Fail("unknown option '" + arg + "'");
        }
        const std::size_t equals = arg.find('=');
        const std::string name =
            arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const OptionSpec* option = FindAnywhere(name);
        if (!option) {
            return Fail("unknown option --" + name);
        }
        if (!option->value) {
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
    // "help [COMMAND]" is --help said as a command.
    if (!words.empty() && words.front() == "help") {
        help = true;
        words.erase(words.begin());
    }
    if (!words.empty()) {
        if (!FindCommand(words.front())) {
            return Fail("unknown command '" + words.front() + "'");
        }
        in.command = words.front();
        if (words.size() > 1) {
            return Fail("unexpected argument '" + words[1] + "'");
        }
    }
    if (help || version) {
        in.action = help ? Invocation::Help : Invocation::Version;
        return in;
    }
    if (in.command.empty()) {
        return Fail("no command given");
    }
    const CommandSpec& command = *FindCommand(in.command);
    for (const auto& [name, value] : given) {
        if (name == "key") {
            if (!in.key.empty() || value.empty()) {
                return Fail(value.empty() ? "--key needs a folder" : "--key given twice");
            }
            in.key = value;
            continue;
        }
        if (!FindIn(command.options, name)) {
            return Fail("unknown option --" + name + " for " + in.command);
        }
        if (!in.values.emplace(name, value).second) {
            return Fail("--" + name + " given twice");
        }
    }
    if (in.serviceDefault && !FindIn(command.options, "default")) {
        return Fail("unknown option --default for " + in.command);
    }
    if (std::string problem = MissingOrClashing(in); !problem.empty()) {
        return Fail(problem);
    }
    return in;
}

std::string HelpText(const std::string& name) {
    const std::string usage = std::string("usage: ") + kProgram + " " + kGlobalUsage + " ";
    if (const CommandSpec* command = FindCommand(name)) {
        std::string text;
        if (command->usages.empty()) {
            text = usage + name + "\n";
        }
        // Each way to call it on a line of its own, the later ones under "usage:".
        for (const char* form : command->usages) {
            text +=
                (text.empty() ? usage : std::string(7, ' ') + kProgram + " " + kGlobalUsage + " ") +
                name + " " + form + "\n";
        }
        text += std::string("\n") + command->summary + ".\n";
        if (!command->options.empty()) {
            text += "\nOptions:\n" + OptionLines(command->options, false);
        }
        if (*command->help) {
            text += std::string("\n") + command->help;
        }
        return text + "\n" + kProgram + " --help lists the global options and the exit codes.\n";
    }
    std::string text = usage + "COMMAND [OPTIONS]\n       " + kProgram +
                       " help [COMMAND]\n"
                       "\nPrepares a USB key for a Quorvex Veltara K4400 storage system, or "
                       "reads what the\nsystem wrote back: the checks, task files and results "
                       "of the k4400-init wizard,\nwithout a window.\n\nCommands:\n";
    for (const CommandSpec& command : kCommands) {
        std::string line = "  " + std::string(command.name);
        line.resize(20, ' ');
        text += line + command.summary + "\n";
    }
    text += "\nOptions:\n" + OptionLines(kGlobalOptions, true) +
            "  --                ends the options: what follows is the command and its words\n"
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
    return std::string(kProgram) + " " + platform::kVersion + "\n";
}

std::string BashCompletion() {
    // The commands, the options each adds, and the value options with what they offer.
    std::string names, commandOptions, values, valueless;
    std::vector<std::string> seen;
    for (const CommandSpec& command : kCommands) {
        Append(names, command.name);
        std::string options;
        for (const OptionSpec& option : command.options) {
            const std::string flag = std::string("--") + option.name;
            options += " " + flag;
            if (!option.value || std::find(seen.begin(), seen.end(), flag) != seen.end()) {
                continue;
            }
            seen.push_back(flag);
            if (option.completions.empty()) {
                Append(valueless, flag, "|");
                continue;
            }
            std::string words;
            for (const char* word : option.completions) {
                Append(words, word);
            }
            values += "        " + flag + ")\n            COMPREPLY=($(compgen -W \"" + words +
                      "\" -- \"$cur\"))\n            return ;;\n";
        }
        if (!options.empty()) {
            commandOptions +=
                "        " + std::string(command.name) + ") options+=\"" + options + "\" ;;\n";
        }
    }
    std::string alternatives = names;
    std::replace(alternatives.begin(), alternatives.end(), ' ', '|');
    std::string global;
    for (const OptionSpec& option : kGlobalOptions) {
        if (std::string(option.name) != "version") {
            Append(global, std::string("--") + option.name);
        }
    }
    return "# bash completion for k4400-init-cli, made from its table of commands\n"
           "_k4400_init_cli() {\n"
           "    local cur prev command word\n"
           "    COMPREPLY=()\n"
           "    cur=${COMP_WORDS[COMP_CWORD]}\n"
           "    prev=${COMP_WORDS[COMP_CWORD - 1]}\n"
           "    for word in \"${COMP_WORDS[@]:1:COMP_CWORD-1}\"; do\n"
           "        case $word in\n"
           "            --) ;;\n"
           "            help|" +
           alternatives +
           ") command=${command:-$word} ;;\n"
           "        esac\n"
           "    done\n"
           "    case $prev in\n"
           "        --key)\n"
           "            compopt -o dirnames 2>/dev/null\n"
           "            COMPREPLY=($(compgen -d -- \"$cur\"))\n"
           "            return ;;\n" +
           values + "        " + valueless + ")\n            return ;;\n" +
           "    esac\n"
           "    local options=\"" +
           global +
           "\"\n"
           "    case $command in\n" +
           commandOptions +
           "        help)\n"
           "            COMPREPLY=($(compgen -W \"" +
           names +
           "\" -- \"$cur\"))\n"
           "            return ;;\n"
           "        \"\") options+=\" --version\"\n"
           "            COMPREPLY=($(compgen -W \"" +
           names +
           " help\" -- \"$cur\")) ;;\n"
           "    esac\n"
           "    if [[ -z $command && $cur != -* ]]; then\n"
           "        return\n"
           "    fi\n"
           "    COMPREPLY+=($(compgen -W \"$options\" -- \"$cur\"))\n"
           "}\n"
           "complete -F _k4400_init_cli k4400-init-cli\n";
}

std::string ManualSynopsis() {
    const std::string program = ".B " + std::string(kProgram) + "\n";
    std::string text = ".SH SYNOPSIS\n" + program +
                       ".RB [ \\-\\-key\n.IR DIR ]\n.RB [ \\-\\-json ]\n.RB [ \\-\\-dry\\-run ]\n"
                       ".RB [ \\-\\-yes ]\n.I command\n.RI [ command-options ]\n.br\n";
    for (const CommandSpec& command : kCommands) {
        const std::vector<const char*> forms =
            command.usages.empty() ? std::vector<const char*>{""} : command.usages;
        for (const char* form : forms) {
            std::string usage = Roff(command.name);
            if (*form) {
                Append(usage, RoffUsage(form));
            }
            text += program + ".RI [ options ]\n.B " + usage + "\\fR\n.br\n";
        }
    }
    return text + program + ".RI [ command ]\n.B \\-\\-help\n.br\n" + program +
           ".B help\n.RI [ command ]\n.br\n" + program + ".B \\-\\-version\n";
}

}  // namespace cli
