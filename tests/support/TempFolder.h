#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

// A folder of its own for each test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder() {
        std::random_device seed;
        std::mt19937_64 chance(seed());
        do {
            path_ = std::filesystem::temp_directory_path() /
                    ("scaffle-" + std::to_string(chance() % 1'000'000'000));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes a word file under name, a UTF-8 path in the folder, and gives its whole path in
    // UTF-8, as the game takes paths on every system.
    std::string write(const std::string& name, std::string_view bytes) const {
        const auto file = path_ / std::u8string(name.begin(), name.end());
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        const std::u8string utf8 = file.u8string();
        return {utf8.begin(), utf8.end()};
    }

private:
    std::filesystem::path path_;
};
