// Writes the benchmark scene's data files: vantrel-datagen OUTPUT_FOLDER
// or the Windows program's icon: vantrel-datagen --icon FILE.ico
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>

#include "tools/datagen/AppIcon.h"
#include "tools/datagen/DataFiles.h"

int main(int argc, char** argv)
{
    const bool icon = argc == 3 && std::strcmp(argv[1], "--icon") == 0;
    if (argc != 2 && !icon) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER | --icon FILE.ico\n", argv[0]);
        return 2;
    }
    try {
        if (icon) {
            vantrel::datagen::writeAppIcon(argv[2]);
            return 0;
        }
        std::filesystem::create_directories(argv[1]);
        vantrel::datagen::writeDataFiles(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantrel-datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
