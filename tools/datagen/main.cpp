// Writes the benchmark scene's data files: vantrel-datagen OUTPUT_FOLDER
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/datagen/DataFiles.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        vantrel::datagen::writeDataFiles(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantrel-datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
