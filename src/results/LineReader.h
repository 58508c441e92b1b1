#pragma once
// Reads 8-bit text line by line from a source that may hold any bytes: lines end at LF
// (a CR right before it is dropped), a line longer than kMaxLine keeps its first and its
// last kMaxLine / 2 bytes and skips what lies between (a task line's command comes first and
// its exit code last), and NUL bytes are ordinary characters. Memory stays bounded.

#include <cstddef>
#include <string>
#include <string_view>

namespace results {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Fills up to size bytes; returns the count, 0 at the end, or -1 on a read error.
    virtual std::ptrdiff_t Read(char* buffer, std::size_t size) = 0;
};

class MemorySource final : public ByteSource {
  public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    std::ptrdiff_t Read(char* buffer, std::size_t size) override;

  private:
    std::string_view bytes_;
};

class LineReader {
  public:
    static constexpr std::size_t kMaxLine = 64 * 1024;
    static constexpr std::size_t kHalf = kMaxLine / 2;
    enum class Status { Line, End, Error };

    explicit LineReader(ByteSource& source) : source_(source) {}
    Status Next(std::string& line);

  private:
    bool Fill();

    ByteSource& source_;
    char buffer_[16 * 1024];
    std::string tail_;  // the end of a line longer than kMaxLine, so far
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    bool end_ = false;
    bool error_ = false;
};

}  // namespace results
