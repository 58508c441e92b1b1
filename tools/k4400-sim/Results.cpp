#include "Results.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace sim {
namespace fs = std::filesystem;
namespace {

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

}  // namespace

// Writes a file so that its name only ever holds the whole text, on the medium: a temporary
// file in the same folder, synced, then renamed over the name, then the folder synced. A
// temporary file is removed on any failure.
bool WriteFile(const fs::path& file, const std::string& text) {
#ifdef _WIN32
    // On Windows (the stand-in run inside tests under Wine): written whole, then renamed.
    const fs::path temporary = file.parent_path() / ".k4400-sim-write";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) {
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, file, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
#else
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
#endif
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

std::string FileModuleResults(const std::string& line,
                              const std::map<std::string, std::string>& values, bool failed,
                              const std::string& failure) {
    std::ostringstream out;
    out << "Input Command|" << line << "|\n";
    out << "Output Result|" << (failed ? "1" : "0") << "|\n";
    out << "Output Message|" << (failed ? failure : "Configuration complete") << "|\n";
    out << "Console IP|" << values.at("ip") << "|\n";
    out << "DORNA IP1|" << values.at("serviceip1") << "|\n";
    out << "DORNA IP2|" << values.at("serviceip2") << "|\n";
    return out.str();
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

}  // namespace sim
