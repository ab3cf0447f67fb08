#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/io/TemporaryDirectory.h"

// The scene reads its files from the current directory: this runs a test inside a
// folder and goes back afterwards.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& path) : previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(path);
    }
    ~WorkingDirectory()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
    }

private:
    std::filesystem::path previous;
};

inline std::string generatedDataFolder()
{
    return VANTREL_DATA_DIR;
}

// A folder holding links to every generated data file except `left out`.
inline void linkDataFilesExcept(const TemporaryDirectory& folder, const std::string& leftOut)
{
    for (const auto& entry : std::filesystem::directory_iterator(generatedDataFolder())) {
        const std::string name = entry.path().filename().string();
        if (name != leftOut) {
            std::filesystem::create_symlink(entry.path(), folder.file(name));
        }
    }
}
