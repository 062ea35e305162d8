// A folder of its own under the system's temporary folder, removed with the object.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <random>
#include <string>

namespace gametest {

class TempFolder {
public:
    TempFolder()
    {
        // Unique across processes too: other builds may run the same tests at the same time.
        static const unsigned run = std::random_device{}();
        static std::atomic<int> next{0};
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() / ("xp-game-" + std::string(test ? test->name() : "t") + "-" +
                                                          std::to_string(run) + "-" + std::to_string(next++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace gametest
