// A scratch directory removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

class TempDir {
public:
    TempDir()
    {
        std::random_device rd;
        _path = std::filesystem::temp_directory_path()
            / ("subclock-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(_path);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return _path; }

    std::string write(const std::string& name, std::string_view bytes) const
    {
        const auto file = _path / name;
        std::ofstream(file, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }

private:
    std::filesystem::path _path;
};
