#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace tarnholt::testing {

/// A fresh empty folder under the system's temporary folder, removed with its contents at the end.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device seed;
        std::mt19937_64 random(seed());
        for (;;) {
            path_ = std::filesystem::temp_directory_path() / ("tarnholt-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(path_))
                break;
        }
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

    /// The bytes of a file in the folder ("" when it cannot be read).
    std::string read(const std::string& name) const
    {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream out(path_ / name, std::ios::binary);
        out << bytes;
    }

    /// The names of the files in the folder, sorted.
    std::vector<std::string> names() const
    {
        std::vector<std::string> list;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            list.push_back(entry.path().filename().string());
        std::sort(list.begin(), list.end());
        return list;
    }

private:
    std::filesystem::path path_;
};

} // namespace tarnholt::testing
