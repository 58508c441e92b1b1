#include "results/LineReader.h"

#include <algorithm>
#include <cstring>

namespace results {

std::ptrdiff_t MemorySource::Read(char* buffer, std::size_t size) {
    const std::size_t n = std::min(size, bytes_.size());
    std::memcpy(buffer, bytes_.data(), n);
    bytes_.remove_prefix(n);
    return static_cast<std::ptrdiff_t>(n);
}

bool LineReader::Fill() {
    if (end_ || error_) {
        return false;
    }
    const std::ptrdiff_t n = source_.Read(buffer_, sizeof buffer_);
    if (n < 0) {
        error_ = true;
        return false;
    }
    if (n == 0) {
        end_ = true;
        return false;
    }
    pos_ = 0;
    len_ = static_cast<std::size_t>(n);
    return true;
}

LineReader::Status LineReader::Next(std::string& line) {
    line.clear();
    tail_.clear();
    bool any = false;
    bool cut = false;
    bool lineFeed = false;
    for (;;) {
        if (pos_ == len_ && !Fill()) {
            if (error_) {
                return Status::Error;
            }
            break;  // end of the source: a last line without LF still counts
        }
        any = true;
        const char* start = buffer_ + pos_;
        const char* lf = static_cast<const char*>(std::memchr(start, '\n', len_ - pos_));
        const std::size_t chunk = lf ? static_cast<std::size_t>(lf - start) : len_ - pos_;
        if (!cut) {
            line.append(start, chunk);
            // One byte over the bound may be the CR before the LF.
            if (line.size() > kMaxLine + 1) {
                cut = true;
                tail_.assign(line, kHalf, std::string::npos);
                line.resize(kHalf);
            }
        } else {
            tail_.append(start, chunk);
            if (tail_.size() > 2 * kHalf) {
                tail_.erase(0, tail_.size() - (kHalf + 1));
            }
        }
        pos_ += chunk;
        if (lf) {
            ++pos_;
            lineFeed = true;
            break;
        }
    }
    std::string& last = cut ? tail_ : line;
    if (lineFeed && !last.empty() && last.back() == '\r') {
        last.pop_back();
    }
    if (cut) {
        line.append(tail_, tail_.size() - std::min(tail_.size(), kHalf), std::string::npos);
    } else if (line.size() > kMaxLine) {
        line.erase(kHalf, line.size() - kMaxLine);
    }
    return any ? Status::Line : Status::End;
}

}  // namespace results
