#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace fretwise::test {

// A fresh directory of its own, removed with everything in it at the end.
class TempDir {
  public:
    TempDir() {
        static int made = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("fretwise-test-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of a file in the directory, as text.
    std::string File(std::string_view name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// A test with a fresh directory in `dir`.
class TempDirTest : public ::testing::Test {
  protected:
    TempDir temp;
    const std::filesystem::path dir = temp.path();

    std::size_t FileCount() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(dir), {}));
    }
};

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Whether the file holds exactly these bytes (compared quietly: they are binary).
inline bool Holds(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    return ReadBytes(path) == std::string(bytes.begin(), bytes.end());
}

}  // namespace fretwise::test
