#include "Task.h"

#ifdef _WIN32
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace sim {
namespace fs = std::filesystem;
namespace {

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
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

}  // namespace

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

std::string StateText(const State& state) {
    std::ostringstream saved;
    for (const auto& [key, value] : state.values) {
        saved << key << "=" << value << "\n";
    }
    return saved.str();
}

// Reads a task file of at most kMaxTaskFile bytes; throws Refusal for anything else.
std::string ReadTaskFile(const fs::path& file) {
    const std::string name = file.filename().string();
#ifdef _WIN32
    // Windows has no FIFOs or devices under a file's name on a key: a regular file is read.
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        throw Refusal{name + " cannot be read: it is not a regular file"};
    }
    if (fs::file_size(file, error) > kMaxTaskFile) {
        throw Refusal{name + " is larger than 64 KiB"};
    }
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    if (!in && !in.eof()) {
        throw Refusal{name + " cannot be read"};
    }
#else
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
#endif
    if (text.find_first_of("\r\n") != std::string::npos) {
        throw Refusal{name + " holds more than one line"};
    }
    if (std::any_of(text.begin(), text.end(),
                    [](unsigned char c) { return c < 0x20 || c == 0x7f; })) {
        throw Refusal{name + " holds a NUL or control character"};
    }
    return text;
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

std::map<std::string, std::string> ExecuteFileModules(const std::string& line) {
    const auto values = CfgInit(line);
    if (!values) {
        throw Refusal{"cfgtask.txt does not hold a cfginit line with its seven options"};
    }
    for (const char* key : {"ip", "netmask", "gateway", "serviceip1", "serviceip2", "veltaraip"}) {
        if (!IsIPv4(values->at(key))) {
            throw Refusal{std::string("cfgtask.txt: --") + key + " is not a valid IPv4 address"};
        }
    }
    return *values;
}

bool IsIPv4(const std::string& text) {
    in_addr address{};
    return inet_pton(AF_INET, text.c_str(), &address) == 1 && text != "0.0.0.0";
}

bool HasControl(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return c < 0x20 || c == 0x7f; });
}

}  // namespace sim
