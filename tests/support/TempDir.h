#pragma once
// A fresh temporary directory that becomes the current directory for the test's lifetime,
// the way the wizard runs with its current directory on the key.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tests {

class TempKey {
  public:
    TempKey() : previous_(std::filesystem::current_path()) {
        std::random_device random;
        do {
            path_ =
                std::filesystem::temp_directory_path() / ("k4400-key-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
        std::filesystem::current_path(path_);
    }
    ~TempKey() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempKey(const TempKey&) = delete;
    TempKey& operator=(const TempKey&) = delete;

    const std::filesystem::path& path() const { return path_; }

    static void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static bool Exists(const std::string& name) { return std::filesystem::exists(name); }

    // Copies the files of a fixture folder into the key, in place of the results there.
    static void CopyFixture(const std::filesystem::path& fixture) {
        for (const char* name : {"satask_result.html", "DORNA_results.txt"}) {
            std::filesystem::remove_all(name);
        }
        for (const auto& entry : std::filesystem::directory_iterator(fixture)) {
            if (entry.path().filename() == "expect.txt") {
                continue;
            }
            std::filesystem::copy(entry.path(), entry.path().filename(),
                                  std::filesystem::copy_options::recursive |
                                      std::filesystem::copy_options::overwrite_existing);
        }
    }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace tests
