// k4400-sim: a stand-in for a Veltara K4400 storage system and its file modules. Given a key
// folder, it executes the task files it finds there the way the system would and writes
// the results files back, honouring only their formats.
#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char kVersion[] = "k4400-sim 1.0.0\n";

const char kUsage[] = R"(usage: k4400-sim [options] [--] [KEY_FOLDER]

Executes the task files on a key folder (default: the current directory) as a Veltara
K4400 storage system and its file modules would, and writes their results files:
  satask.txt   -> satask_result.html   (the storage system)
  cfgtask.txt  -> DORNA_results.txt    (the file modules)
The system's state (addresses set by earlier tasks) is kept in .k4400-sim-state in the
key folder, so a later service IP change or password reset reports them.

Options:
  --fail[=CODE[:TEXT]]         the storage task fails with exit code CODE (1 to 255,
                               default 1) and the error text TEXT
  --fail-file-modules[=TEXT]   the file modules report a failed configuration
  --omit storage|file-modules  write no results file for that side (also --omit=...)
  --crlf                       end the results files' lines with CR LF
  --upper                      write the results files in upper case
  --help                       show this text
  --version                    show the version
  --                           what follows is the key folder, even if it starts with -

A task file that the system would not execute (larger than 64 KiB, more than one line,
control characters, unknown command, wrong options, an invalid address) is refused with
a message; nothing is written then. Results files are written whole or not at all.
Exit codes: 0 done, 1 nothing to execute, 2 refused or bad usage.
)";

// A task file is one short line; anything larger is refused without being read whole.
constexpr std::size_t kMaxTaskFile = 64 * 1024;

struct Options {
    fs::path key = ".";
    bool fail = false;
    std::string failCode = "1";
    std::string failText = "CMMVC5707E Required parameters are missing.";
    bool failFileModules = false;
    std::string fileModuleText = "File module 2 did not respond to the configuration request.";
    bool omitStorage = false;
    bool omitFileModules = false;
    bool crlf = false;
    bool upper = false;
};

struct State {
    std::map<std::string, std::string> values;
    std::string Get(const std::string& key, const std::string& fallback = "") const {
        auto it = values.find(key);
        return it == values.end() ? fallback : it->second;
    }
};

State LoadState(const fs::path& file) {
    State state;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos) {
            state.values[line.substr(0, eq)] = line.substr(eq + 1);
        }
    }
    return state;
}

struct Refusal {
    std::string why;
};

// Reads a task file of at most kMaxTaskFile bytes; throws Refusal for anything else.
std::string ReadTaskFile(const fs::path& file) {
    const std::string name = file.filename().string();
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        throw Refusal{name + " cannot be read: " + std::strerror(errno)};
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw Refusal{name + " cannot be read: it is not a regular file"};
    }
    std::string text;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            throw Refusal{name + " cannot be read: " + std::strerror(error)};
        }
        if (n == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > kMaxTaskFile) {
            ::close(fd);
            throw Refusal{name + " is larger than 64 KiB"};
        }
    }
    ::close(fd);
    if (text.find_first_of("\r\n") != std::string::npos) {
        throw Refusal{name + " holds more than one line"};
    }
    if (std::any_of(text.begin(), text.end(),
                    [](unsigned char c) { return c < 0x20 || c == 0x7f; })) {
        throw Refusal{name + " holds a NUL or control character"};
    }
    return text;
}

// Writes a file so that its name only ever holds the whole text, on the medium: a temporary
// file in the same folder, synced, then renamed over the name, then the folder synced. A
// temporary file is removed on any failure.
bool WriteFile(const fs::path& file, const std::string& text) {
    std::string temporary = (file.parent_path() / ".k4400-sim-XXXXXX").string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    ::fchmod(fd, 0644);
    bool ok = true;
    for (std::size_t done = 0; ok && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        ok = n > 0;
        done += ok ? static_cast<std::size_t>(n) : 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), file.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    const int dir = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ok = dir >= 0 && ::fsync(dir) == 0;
    if (dir >= 0) {
        ::close(dir);
    }
    return ok;
}

// Text for inside output="..." of the HTML results file: markup and quotes escaped, so that
// no text given on the command line can end the value or add a line.
std::string EscapeHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

bool IsIPv4(const std::string& text) {
    in_addr address{};
    return inet_pton(AF_INET, text.c_str(), &address) == 1 && text != "0.0.0.0";
}

bool IsIPv6(const std::string& text) {
    in6_addr address{};
    return inet_pton(AF_INET6, text.c_str(), &address) == 1;
}

bool IsPrefix(const std::string& text) {
    return !text.empty() && text.size() <= 3 &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }) &&
           std::stoi(text) <= 127;
}

// The values of "satask VERB -a x -b y ..." with exactly these options in this order.
std::optional<std::vector<std::string>> OptionValues(const std::vector<std::string>& words,
                                                     const std::vector<std::string>& names) {
    if (words.size() != 2 + 2 * names.size()) {
        return std::nullopt;
    }
    std::vector<std::string> values;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (words[2 + 2 * i] != names[i]) {
            return std::nullopt;
        }
        values.push_back(words[3 + 2 * i]);
    }
    return values;
}

// Executes a storage command on the state; throws Refusal for what the system would reject.
void ExecuteStorage(const std::string& command, State& state) {
    const std::vector<std::string> words = Words(command);
    if (words.size() < 2 || words[0] != "satask") {
        throw Refusal{"not a satask command"};
    }
    const std::string& verb = words[1];
    auto need = [&](const std::vector<std::string>& names) {
        auto values = OptionValues(words, names);
        if (!values) {
            throw Refusal{"satask " + verb + " takes exactly the options " + [&] {
                std::string all;
                for (const auto& n : names)
                    all += n + " ";
                return all;
            }()};
        }
        return *values;
    };
    auto v4 = [](const std::string& what, const std::string& value) {
        if (!IsIPv4(value))
            throw Refusal{what + " '" + value + "' is not a valid IPv4 address"};
    };
    auto v6 = [](const std::string& what, const std::string& value) {
        if (!IsIPv6(value))
            throw Refusal{what + " '" + value + "' is not a valid IPv6 address"};
    };
    if (verb == "resetpassword" && words.size() == 2) {
        return;
    }
    // An address with its gateway and mask (IPv4) or prefix (IPv6): checked, then stored.
    auto store = [&](const std::vector<std::string>& options, bool ipv6, const std::string& what,
                     const std::vector<std::string>& keys) {
        const auto v = need(options);
        if (ipv6) {
            v6(what, v[0]);
            v6("gateway", v[1]);
            if (!IsPrefix(v[2]))
                throw Refusal{"prefix '" + v[2] + "' is not 0 to 127"};
        } else {
            v4(what, v[0]);
            v4("gateway", v[1]);
            v4("mask", v[2]);
        }
        for (int i = 0; i < 3; ++i) {
            state.values[keys[i]] = v[i];
        }
    };
    const bool ipv6 = words.size() > 2 && words[2].size() > 2 &&
                      words[2].compare(words[2].size() - 2, 2, "_6") == 0;
    if (verb == "mkcluster") {
        if (ipv6) {
            store({"-clusterip_6", "-gw_6", "-prefix_6"}, true, "cluster address",
                  {"cluster_ip_6", "cluster_gw_6", "cluster_prefix_6"});
        } else {
            store({"-clusterip", "-gw", "-mask"}, false, "cluster address",
                  {"cluster_ip", "cluster_gw", "cluster_mask"});
        }
        state.values["cluster_name"] = "Cluster_" + words[3];
        return;
    }
    if (verb == "chserviceip") {
        if (words.size() == 3 && words[2] == "-default") {
            state.values["service_ip_address"] = "192.168.70.121";
            state.values["service_gateway"] = "";
            state.values["service_subnet_mask"] = "255.255.255.0";
        } else if (ipv6) {
            store({"-serviceip_6", "-gw_6", "-prefix_6"}, true, "service address",
                  {"service_ip_address_6", "service_gateway_6", "service_prefix_6"});
        } else {
            store({"-serviceip", "-gw", "-mask"}, false, "service address",
                  {"service_ip_address", "service_gateway", "service_subnet_mask"});
        }
        return;
    }
    if (verb == "mknascluster") {
        const auto v = need({"-clusterip", "-mask", "-gw", "-consoleip"});
        v4("cluster address", v[0]);
        v4("mask", v[1]);
        v4("gateway", v[2]);
        v4("management address", v[3]);
        state.values["cluster_ip"] = v[0];
        state.values["cluster_mask"] = v[1];
        state.values["cluster_gw"] = v[2];
        state.values["cluster_name"] = "Cluster_" + v[0];
        state.values["console_ip"] = v[3];
        return;
    }
    throw Refusal{"satask " + verb + " is not a task this tool writes"};
}

std::string StorageResults(const std::string& echoed, const std::string& output,
                           const std::string& exitCode, const State& s) {
    std::ostringstream out;
    out << "<html>\n<head><title>Satask results</title></head>\n<body><pre>\n";
    out << "command=\"" << echoed << "\" output=\"" << EscapeHtml(output) << "\" exit=\""
        << exitCode << "\"\n\n";
    out << "sainfo lsservicestatus\n";
    out << "panel_name 78G00LM-1\n";
    out << "cluster_id 0000020060C14A32\n";
    out << "cluster_name " << s.Get("cluster_name") << "\n";
    out << "cluster_status " << (s.Get("cluster_name").empty() ? "" : "Active") << "\n";
    out << "cluster_ip_count 2\n";
    out << "cluster_port 1\n";
    for (const char* key : {"cluster_ip", "cluster_gw", "cluster_mask", "cluster_ip_6",
                            "cluster_gw_6", "cluster_prefix_6"}) {
        out << key << " " << s.Get(key) << "\n";
    }
    out << "cluster_port 2\n";
    for (const char* key : {"cluster_ip", "cluster_gw", "cluster_mask", "cluster_ip_6",
                            "cluster_gw_6", "cluster_prefix_6"}) {
        out << key << " \n";
    }
    out << "node_id 1\nnode_name node1\nnode_status Active\nconfig_node Yes\n";
    out << "service_ip_address " << s.Get("service_ip_address", "192.168.70.121") << "\n";
    out << "service_gateway " << s.Get("service_gateway") << "\n";
    out << "service_subnet_mask " << s.Get("service_subnet_mask", "255.255.255.0") << "\n";
    for (const char* key : {"service_ip_address_6", "service_gateway_6", "service_prefix_6"}) {
        out << key << " " << s.Get(key) << "\n";
    }
    out << "node_sw_version 8.6.0.0\n";
    out << "time_to_charge " << s.Get("time_to_charge", "0") << "\n";
    out << "battery_count 2\nbattery_status online\nbattery_id 2\nbattery_status online\n";
    out << "command_end\n</pre></body>\n</html>\n";
    return out.str();
}

// "--key=value" options of a cfginit line.
std::optional<std::map<std::string, std::string>> CfgInit(const std::string& line) {
    if (line.rfind("cfginit ", 0) != 0) {
        return std::nullopt;
    }
    std::map<std::string, std::string> values;
    const std::string keys[] = {"ip",         "netmask",     "gateway",  "serviceip1",
                                "serviceip2", "internalips", "veltaraip"};
    std::size_t pos = 8;
    for (std::size_t i = 0; i < 7; ++i) {
        const std::string key = "--" + keys[i] + "=";
        if (line.compare(pos, key.size(), key) != 0) {
            return std::nullopt;
        }
        pos += key.size();
        std::size_t end = i == 6 ? line.size() : line.find(" --", pos);
        if (end == std::string::npos) {
            return std::nullopt;
        }
        values[keys[i]] = line.substr(pos, end - pos);
        pos = end + 1;
        while (i < 6 && pos < line.size() && line[pos] == ' ') {
            ++pos;
        }
    }
    return values;
}

std::string Finish(std::string text, const Options& o) {
    if (o.upper) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    }
    if (o.crlf) {
        std::string crlf;
        for (char c : text) {
            if (c == '\n')
                crlf += '\r';
            crlf += c;
        }
        text = crlf;
    }
    return text;
}

int Fail(const std::string& why) {
    std::fprintf(stderr, "k4400-sim: %s; nothing was written\n", why.c_str());
    return 2;
}

int Usage(const std::string& why) {
    std::fprintf(stderr, "k4400-sim: %s\n%s", why.c_str(), kUsage);
    return 2;
}

bool IsDecimal(const std::string& text) {
    return !text.empty() && text.size() <= 3 &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool HasControl(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return c < 0x20 || c == 0x7f; });
}

}  // namespace

int main(int argc, char* argv[]) {
    Options o;
    std::vector<std::string> operands;
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnd || arg.empty() || arg[0] != '-' || arg == "-") {
            operands.push_back(arg);
            continue;
        }
        const auto eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const bool hasValue = eq != std::string::npos;
        const std::string value = hasValue ? arg.substr(eq + 1) : std::string();
        auto flag = [&](bool& target) {
            if (hasValue) {
                return Usage(name + " takes no value");
            }
            target = true;
            return 0;
        };
        int bad = 0;
        if (arg == "--") {
            optionsEnd = true;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--version") {
            std::fputs(kVersion, stdout);
            return 0;
        } else if (name == "--fail") {
            o.fail = true;
            if (hasValue) {
                const auto colon = value.find(':');
                o.failCode = value.substr(0, colon);
                if (colon != std::string::npos) {
                    o.failText = value.substr(colon + 1);
                }
                if (!IsDecimal(o.failCode) || std::stoi(o.failCode) < 1 ||
                    std::stoi(o.failCode) > 255) {
                    return Usage("bad value for --fail: the exit code must be 1 to 255, not '" +
                                 o.failCode + "'");
                }
                if (HasControl(o.failText)) {
                    return Usage("bad value for --fail: the text holds a control character");
                }
            }
        } else if (name == "--fail-file-modules") {
            o.failFileModules = true;
            if (hasValue) {
                // The file modules' results separate their fields with '|'.
                if (value.empty() || HasControl(value) || value.find('|') != std::string::npos) {
                    return Usage(
                        "bad value for --fail-file-modules: an empty text, a '|' or a control "
                        "character");
                }
                o.fileModuleText = value;
            }
        } else if (name == "--omit") {
            std::string side = value;
            if (!hasValue) {
                if (i + 1 >= argc) {
                    return Usage("--omit needs a value: storage or file-modules");
                }
                side = argv[++i];
            }
            if (side == "storage") {
                o.omitStorage = true;
            } else if (side == "file-modules") {
                o.omitFileModules = true;
            } else {
                return Usage("bad value for --omit: '" + side + "' (storage or file-modules)");
            }
        } else if (name == "--crlf") {
            bad = flag(o.crlf);
        } else if (name == "--upper") {
            bad = flag(o.upper);
        } else {
            return Usage("unknown option " + arg);
        }
        if (bad) {
            return bad;
        }
    }
    if (operands.size() > 1) {
        return Usage("one key folder at most, not " + std::to_string(operands.size()));
    }
    if (!operands.empty()) {
        o.key = operands[0];
    }
    if (!fs::is_directory(o.key)) {
        return Fail("no key folder at " + o.key.string());
    }
    const fs::path task = o.key / "satask.txt";
    const fs::path cfg = o.key / "cfgtask.txt";
    std::error_code ignored;
    const bool haveTask = fs::exists(fs::symlink_status(task, ignored));
    const bool haveCfg = fs::exists(fs::symlink_status(cfg, ignored));
    if (!haveTask && !haveCfg) {
        std::fprintf(stderr, "k4400-sim: no satask.txt or cfgtask.txt in %s\n", o.key.c_str());
        return 1;
    }

    // Decide everything before writing anything.
    State state = LoadState(o.key / ".k4400-sim-state");
    std::string storageResults, fileModuleResults;
    try {
        if (haveTask) {
            const std::string command = ReadTaskFile(task);
            State after = state;
            try {
                ExecuteStorage(command, after);
            } catch (const Refusal& refusal) {
                throw Refusal{"satask.txt: " + refusal.why};
            }
            if (!o.fail) {
                state = after;
            }
            storageResults = StorageResults(command + " -usb", o.fail ? o.failText : "",
                                            o.fail ? o.failCode : "0", state);
        }
        if (haveCfg) {
            const std::string line = ReadTaskFile(cfg);
            const auto values = CfgInit(line);
            if (!values) {
                throw Refusal{"cfgtask.txt does not hold a cfginit line with its seven options"};
            }
            for (const char* key :
                 {"ip", "netmask", "gateway", "serviceip1", "serviceip2", "veltaraip"}) {
                if (!IsIPv4(values->at(key))) {
                    throw Refusal{std::string("cfgtask.txt: --") + key +
                                  " is not a valid IPv4 address"};
                }
            }
            std::ostringstream out;
            out << "Input Command|" << line << "|\n";
            out << "Output Result|" << (o.failFileModules ? "1" : "0") << "|\n";
            out << "Output Message|"
                << (o.failFileModules ? o.fileModuleText : "Configuration complete") << "|\n";
            out << "Console IP|" << values->at("ip") << "|\n";
            out << "DORNA IP1|" << values->at("serviceip1") << "|\n";
            out << "DORNA IP2|" << values->at("serviceip2") << "|\n";
            fileModuleResults = out.str();
        }
    } catch (const Refusal& refusal) {
        return Fail(refusal.why);
    }

    bool ok = true;
    if (haveTask && !o.omitStorage) {
        ok = ok && WriteFile(o.key / "satask_result.html", Finish(storageResults, o));
    }
    if (haveCfg && !o.omitFileModules) {
        ok = ok && WriteFile(o.key / "DORNA_results.txt", Finish(fileModuleResults, o));
    }
    std::ostringstream saved;
    for (const auto& [key, value] : state.values) {
        saved << key << "=" << value << "\n";
    }
    ok = ok && WriteFile(o.key / ".k4400-sim-state", saved.str());
    if (!ok) {
        std::fprintf(stderr, "k4400-sim: could not write the results in %s\n", o.key.c_str());
        return 2;
    }
    std::printf("k4400-sim: executed%s%s in %s\n", haveTask ? " satask.txt" : "",
                haveCfg ? " cfgtask.txt" : "", o.key.c_str());
    return 0;
}
