#pragma once

#include <cstdint>
#include <exception>
#include <memory>

namespace vantrel {

/// Formats printf-style into a fresh heap buffer of exactly the text's length + 1.
/// Results longer than 2047 characters are truncated.
std::shared_ptr<char[]> format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

/// Root of the engine's exceptions. Copies share one message buffer.
class Exception : public std::exception {
public:
    /// Takes a message made by format().
    explicit Exception(std::shared_ptr<char[]> message);
    ~Exception() override;
    /// The message.
    const char* what() const noexcept override;

private:
    std::shared_ptr<char[]> message;
};

/// A failed system call; carries the errno value read after the message was formatted.
class Win32Exception : public Exception {
public:
    /// The message and the system's error code.
    Win32Exception(std::shared_ptr<char[]> message, std::uint32_t errorCode);
    /// The system's error code (errno on POSIX systems).
    std::uint32_t getErrorCode() const noexcept { return errorCode; }

private:
    std::uint32_t errorCode;
};

/// A file that could not be opened: besides the failed call, the file's name and the folder
/// it was looked for in, so that the people who see the failure can tell what is missing.
class FileOpenException : public Win32Exception {
public:
    /// `message` as for Win32Exception; `fileName` as given to the reader, `folder` the
    /// working folder it was looked for in.
    FileOpenException(std::shared_ptr<char[]> message, std::uint32_t errorCode,
                      std::shared_ptr<char[]> fileName, std::shared_ptr<char[]> folder);
    /// The file's name as the program gave it.
    const char* getFileName() const noexcept { return fileName.get(); }
    /// The folder a relative name was looked for in.
    const char* getFolder() const noexcept { return folder.get(); }

private:
    std::shared_ptr<char[]> fileName;
    std::shared_ptr<char[]> folder;
};

/// A failed audio-engine call; carries the call's result code.
class ComException : public Exception {
public:
    /// The message and the call's result code.
    ComException(std::shared_ptr<char[]> message, std::int32_t result);
    /// The failed call's result code.
    std::int32_t getResult() const noexcept { return result; }

private:
    std::int32_t result;
};

/// A refused display-mode change; carries the result code.
class DisplayException : public Exception {
public:
    /// The message and the display API's result code.
    DisplayException(std::shared_ptr<char[]> message, std::int32_t result);
    /// The display API's result code.
    std::int32_t getResult() const noexcept { return result; }

private:
    std::int32_t result;
};

/// Malformed data or an impossible position.
class IoException : public Exception {
public:
    using Exception::Exception;
};

/// A thread was asked to stop while it slept or waited.
class InterruptedException : public Exception {
public:
    using Exception::Exception;
};

} // namespace vantrel
