#include "tools/datagen/DataFiles.h"

#include <cstdio>
#include <functional>
#include <stdexcept>

#include "tools/datagen/ClickSound.h"
#include "tools/datagen/Picture.h"
#include "tools/datagen/PngFile.h"
#include "tools/datagen/RuleImages.h"
#include "tools/datagen/Sprites.h"
#include "tools/datagen/WaveFile.h"

namespace vantrel::datagen {

namespace {

constexpr std::uint32_t ruleWidth = 1366;
constexpr std::uint32_t ruleHeight = 768;

struct DataFile {
    std::string name;
    std::function<void(const std::string& path)> write;
};

std::vector<DataFile> dataFiles()
{
    std::vector<DataFile> files;
    files.push_back({"load.gra", [](const std::string& path) { writePng(path, makeSunsetPicture()); }});
    files.push_back({"snow.png", [](const std::string& path) { writePng(path, makeSnowCrystal()); }});
    files.push_back({"snow2.png", [](const std::string& path) { writePng(path, makeDistantFlake()); }});
    files.push_back({"particle.png", [](const std::string& path) {
                         writePng(path, makeGlow(48, rgb(255, 246, 214), rgb(255, 128, 28), 6.0f, 13.0f));
                     }});
    files.push_back({"particle2.png", [](const std::string& path) {
                         writePng(path, makeGlow(48, rgb(224, 240, 255), rgb(70, 110, 255), 4.0f, 10.0f));
                     }});
    int number = 0;
    for (RuleKind kind : allRuleKinds) {
        files.push_back({"trans" + std::to_string(number++) + ".png", [kind](const std::string& path) {
                             writePng(path, makeRuleImage(kind, ruleWidth, ruleHeight));
                         }});
    }
    files.push_back({"click.wav", [](const std::string& path) { writeWave(path, makeClickSound()); }});
    return files;
}

} // namespace

std::vector<std::string> dataFileNames()
{
    std::vector<std::string> names;
    for (const DataFile& file : dataFiles()) {
        names.push_back(file.name);
    }
    return names;
}

void writeDataFiles(const std::string& folder)
{
    for (const DataFile& file : dataFiles()) {
        std::string path = folder + "/" + file.name;
        std::string temporary = path + ".part";
        file.write(temporary);
        if (std::rename(temporary.c_str(), path.c_str()) != 0) {
            std::remove(temporary.c_str());
            throw std::runtime_error("cannot rename " + temporary + " to " + path);
        }
    }
}

} // namespace vantrel::datagen
