#include <vantrel/io/FileOpenFailure.h>

#include <filesystem>
#include <string>
#include <system_error>

#include <vantrel/base/Exception.h>

namespace vantrel {

namespace {

std::shared_ptr<char[]> copyOf(const std::string& text)
{
    return format("%s", text.c_str());
}

} // namespace

void throwFileOpenFailure(std::shared_ptr<char[]> message, std::uint32_t errorCode, const char* fileName)
{
    namespace fs = std::filesystem;
    std::string name = fileName != nullptr ? fileName : "";
    std::string folder;
    // A name the path classes cannot convert keeps its given form, with no folder: the
    // failure being reported must not turn into another one.
    try {
        std::error_code error;
        fs::path path(name);
        if (!path.is_absolute()) {
            fs::path current = fs::current_path(error);
            path = error ? fs::path() : current / path;
        }
        if (!path.empty()) {
            path = path.lexically_normal();
            std::string file = path.has_filename() ? path.filename().string() : name;
            folder = path.parent_path().string();
            name = file;
        }
    } catch (const std::exception&) {
        folder.clear();
    }
    throw FileOpenException(std::move(message), errorCode, copyOf(name), copyOf(folder));
}

} // namespace vantrel
