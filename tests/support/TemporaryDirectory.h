#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A fresh directory in the system's temporary folder, removed with everything in it at the end
// of the test.
class TemporaryDirectory {
public:
    // A name from the clock, tried until one is free or the folder refuses (Windows has no mkdtemp).
    TemporaryDirectory()
    {
        auto base = std::filesystem::temp_directory_path(ignored);
        for (auto tick = std::chrono::steady_clock::now().time_since_epoch().count(); path.empty() && !ignored;
             ++tick) {
            auto candidate = base / ("vantrel-io-" + std::to_string(tick));
            if (std::filesystem::create_directory(candidate, ignored)) {
                path = candidate.generic_string();
            }
        }
    }
    ~TemporaryDirectory() { std::filesystem::remove_all(path, ignored); }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    std::string file(const std::string& name) const { return path + "/" + name; }

    std::string write(const std::string& name, const std::vector<unsigned char>& bytes) const
    {
        std::ofstream(file(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                          static_cast<std::streamsize>(bytes.size()));
        return file(name);
    }

    const std::string& getPath() const { return path; }

private:
    std::string path;
    std::error_code ignored;
};
