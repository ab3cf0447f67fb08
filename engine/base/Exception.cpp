#include <vantrel/base/Exception.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <utility>

namespace vantrel {

std::shared_ptr<char[]> format(const char* fmt, ...)
{
    char local[2048];
    va_list args;
    va_start(args, fmt);
    int written = std::vsnprintf(local, sizeof local, fmt, args);
    va_end(args);
    std::size_t length = written < 0 ? 0 : std::strlen(local);
    std::shared_ptr<char[]> text(new char[length + 1]);
    std::memcpy(text.get(), local, length);
    text[length] = '\0';
    return text;
}

Exception::Exception(std::shared_ptr<char[]> message) : message(std::move(message)) {}

Exception::~Exception() = default;

const char* Exception::what() const noexcept
{
    return message ? message.get() : "";
}

Win32Exception::Win32Exception(std::shared_ptr<char[]> message, std::uint32_t errorCode)
    : Exception(std::move(message)), errorCode(errorCode)
{
}

FileOpenException::FileOpenException(std::shared_ptr<char[]> message, std::uint32_t errorCode,
                                     std::shared_ptr<char[]> fileName, std::shared_ptr<char[]> folder)
    : Win32Exception(std::move(message), errorCode), fileName(std::move(fileName)), folder(std::move(folder))
{
}

ComException::ComException(std::shared_ptr<char[]> message, std::int32_t result)
    : Exception(std::move(message)), result(result)
{
}

DisplayException::DisplayException(std::shared_ptr<char[]> message, std::int32_t result)
    : Exception(std::move(message)), result(result)
{
}

} // namespace vantrel
