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
    std::error_code error;
    fs::path path(name);
    if (!path.is_absolute()) {
        fs::path current = fs::current_path(error);
        path = error ? fs::path() : current / path;
    }
    if (!path.empty()) {
        path = path.lexically_normal();
        if (path.has_filename()) {
            name = path.filename().string();
        }
        folder = path.parent_path().string();
    }
    throw FileOpenException(std::move(message), errorCode, copyOf(name), copyOf(folder));
}

} // namespace vantrel
