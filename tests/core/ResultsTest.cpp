#include <gtest/gtest.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#else
#include <sys/stat.h>
#endif

#include "TempDir.h"

#include "FakePlatform.h"
#include "results/ClassifyTask.h"
#include "results/LineReader.h"
#include "results/Results.h"

namespace tests {
namespace {

using namespace results;

std::vector<std::string> AllLines(std::string_view bytes, LineReader::Status* last = nullptr) {
    MemorySource source(bytes);
    LineReader reader(source);
    std::vector<std::string> lines;
    std::string line;
    LineReader::Status status;
    while ((status = reader.Next(line)) == LineReader::Status::Line) {
        lines.push_back(line);
    }
    if (last) {
        *last = status;
    }
    return lines;
}

TEST(LineReader, SplitsLines) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::string nul("a\0b", 3);
    const Case cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\n", {"one"}},
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"one\n\ntwo", {"one", "", "two"}},
        {"lone\rcr\n", {"lone\rcr"}},  // only CR LF ends a line, a lone CR stays
        {"\r\n", {""}},
        {nul + "\n" + nul, {nul, nul}},  // NUL is an ordinary character
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AllLines(c.bytes), c.lines) << c.bytes;
    }
}

// A line over the bound keeps its two ends, half the bound each; the lines after it are
// read as they are.
TEST(LineReader, KeepsBothEndsOfALongLine) {
    const std::size_t half = LineReader::kMaxLine / 2;
    const std::string longLine = std::string(half + 100000, 'a') + std::string(half + 7, 'b');
    const auto lines = AllLines(longLine + "\r\nnext\n" + std::string(LineReader::kMaxLine, 'c') +
                                "\r\n" + std::string(LineReader::kMaxLine + 1, 'd'));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], std::string(half, 'a') + std::string(half, 'b'));
    EXPECT_EQ(lines[1], "next");
    EXPECT_EQ(lines[2], std::string(LineReader::kMaxLine, 'c'));
    EXPECT_EQ(lines[3], std::string(LineReader::kMaxLine, 'd'));
}

// A task line longer than the bound still names its command and exit code: its output is
// what is cut.
TEST(Results, ATaskLineOverTheBoundKeepsItsCommandAndExitCode) {
    std::string output;
    while (output.size() < 3 * LineReader::kMaxLine) {
        output += "CMMVC5706E an invalid argument has been entered ";
    }
    const std::string file =
        "command=\"satask mkcluster -clusterip 1.2.3.4 -gw 1.2.3.1 -mask "
        "255.0.0.0 -usb\" output=\"" +
        output + "\" exit=\"1\"\n";
    MemorySource source(file);
    LineReader reader(source);
    TaskResults task;
    ResetToPlaceholder(task);
    EXPECT_EQ(ReadTaskResults(reader, task), 0);
    EXPECT_EQ(task[Command], L"satask mkcluster -clusterip 1.2.3.4 -gw 1.2.3.1 -mask 255.0.0.0");
    EXPECT_EQ(task[ExitCode], L"1");
    EXPECT_EQ(task[Output].substr(0, 10), L"cmmvc5706e");
    EXPECT_LT(task[Output].size(), LineReader::kMaxLine);
    EXPECT_EQ(ClassifyTask(task[Command], task[ExitCode], L"x"), InitFailed);
}

// A source that fails after handing out its bytes.
class FailingSource final : public ByteSource {
  public:
    explicit FailingSource(std::string bytes) : bytes_(std::move(bytes)) {}
    std::ptrdiff_t Read(char* buffer, std::size_t size) override {
        if (done_) {
            return -1;
        }
        done_ = true;
        const std::size_t n = std::min(size, bytes_.size());
        std::copy_n(bytes_.data(), n, buffer);
        return static_cast<std::ptrdiff_t>(n);
    }

  private:
    std::string bytes_;
    bool done_ = false;
};

TEST(LineReader, ReportsReadErrors) {
    FailingSource source("complete\npartial");
    LineReader reader(source);
    std::string line;
    EXPECT_EQ(reader.Next(line), LineReader::Status::Line);
    EXPECT_EQ(line, "complete");
    EXPECT_EQ(reader.Next(line), LineReader::Status::Error);
}

TEST(Results, ReadErrorMakesEitherFileUnusable) {
    tests::FakePlatform fake;
    const std::string good =
        "command=\"satask resetpassword -usb\" output=\"\" exit=\"0\"\nsainfo lsservicestatus\n"
        "cluster_ip_count 1\n";
    for (const std::string& prefix : {std::string(), good}) {
        TaskResults task;
        ResetToPlaceholder(task);
        FailingSource source(prefix);
        LineReader reader(source);
        EXPECT_EQ(ReadTaskResults(reader, task), -1) << prefix;
        EXPECT_EQ(task[Status], L"#172");
    }
    TaskResults task;
    FileModuleResults fileModules;
    ResetToPlaceholder(task);
    ResetToPlaceholder(fileModules);
    FailingSource source("output result|0|\n");
    LineReader reader(source);
    EXPECT_EQ(ReadFileModuleResults(reader, fileModules, task), -1);
    EXPECT_EQ(task[Status], L"#172");
    EXPECT_EQ(fileModules[OutputResult], L"0");
    EXPECT_EQ(fileModules[FileModuleStatus], L"x");
}

// Reads the key folder's results files into fresh records; the status of the storage side.
struct KeyRead {
    int result;
    bool reported;
    std::wstring status;
};
KeyRead ReadKey() {
    TaskResults task;
    FileModuleResults fileModules;
    ResetToPlaceholder(task);
    ResetToPlaceholder(fileModules);
    bool reported = false;
    const int result = ReadResults(task, fileModules, &reported);
    return {result, reported, task[Status]};
}

#ifdef _WIN32
// Other writers are denied while the reader has the file open, and a file another program
// is writing is reported as a sharing violation.
TEST(Results, AFileBeingWrittenIsASharingViolation) {
    tests::TempKey key;
    tests::FakePlatform fake;
    tests::TempKey::Write("satask_result.html", "command=\"x\" output=\"\" exit=\"0\"\n");
    int writer = -1;
    ASSERT_EQ(_sopen_s(&writer, "satask_result.html", _O_WRONLY, _SH_DENYNO, 0), 0);
    const KeyRead read = ReadKey();
    _close(writer);
    EXPECT_EQ(read.result, -1);
    EXPECT_TRUE(read.reported);
    EXPECT_EQ(read.status, L"#9012");
    EXPECT_EQ(fake.texts(), std::vector<std::wstring>{L"#9012"});
}
#else
// A pipe or device under a results file's name is refused at once, never read (a read could
// wait forever), and the message says what is there instead of a file.
TEST(Results, APipeUnderTheNameIsNotAFile) {
    tests::TempKey key;
    tests::FakePlatform fake;
    ASSERT_EQ(mkfifo("satask_result.html", 0600), 0);
    const KeyRead read = ReadKey();
    EXPECT_EQ(read.result, -1);
    EXPECT_TRUE(read.reported);
    EXPECT_EQ(read.status, L"#9017");
    EXPECT_EQ(fake.texts(), std::vector<std::wstring>{L"#9017"});
}
#endif

TEST(Results, CutKeyedValue) {
    struct Case {
        const wchar_t* line;
        const wchar_t* key;
        const wchar_t* value;
    };
    const Case cases[] = {
        {L"cluster_ip 10.0.0.5", L"cluster_ip", L"10.0.0.5"},
        {L"cluster_ip \t 10.0.0.5  ", L"cluster_ip", L"10.0.0.5  "},
        {L"  cluster_ip 10.0.0.5", L"cluster_ip", L"10.0.0.5"},
        {L"cluster_ip", L"cluster_ip", L""},
        {L"other 10.0.0.5", L"cluster_ip", L"other 10.0.0.5"},    // not the key: whole line
        {L"cluster_ip_6 fd00::1", L"cluster_ip", L"_6 fd00::1"},  // positional lines are not tested
        {L"", L"cluster_ip", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CutKeyedValue(c.line, c.key), c.value) << c.line;
    }
}

TEST(Results, WidenLoweredTouchesOnlyAsciiLetters) {
    const std::string bytes = "AZaz09\xC0\xDE\xFF[";
    const std::wstring wide = WidenLowered(bytes);
    EXPECT_EQ(wide, std::wstring(L"azaz09\u00C0\u00DE\u00FF["));
}

}  // namespace
}  // namespace tests
