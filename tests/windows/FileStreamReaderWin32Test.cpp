#include <gtest/gtest.h>

#include <windows.h>

#include <numeric>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/io/FileStreamReader.h>
#include "tests/io/TemporaryDirectory.h"

using namespace vantrel;

namespace {

// The bytes 0, 1, 2, ... of a 1000-byte file.
std::string writeCountingFile(const TemporaryDirectory& directory)
{
    std::vector<unsigned char> content(1000);
    std::iota(content.begin(), content.end(), 0);
    return directory.write("data.bin", content);
}

void expectOpenError(const std::string& path, DWORD error)
{
    try {
        FileStreamReader reader(path.c_str());
        ADD_FAILURE() << "opened " << path;
    } catch (const Win32Exception& thrown) {
        EXPECT_STREQ(thrown.what(), "CreateFileA API failed in vantrel::FileStreamReader::FileStreamReader method.");
        EXPECT_EQ(thrown.getErrorCode(), error);
    }
}

} // namespace

TEST(FileStreamReaderWin32, ReadSkipAndSeekFollowTheFilePosition)
{
    TemporaryDirectory directory;
    FileStreamReader reader(writeCountingFile(directory).c_str());
    unsigned char buffer[2000] = {};
    EXPECT_EQ(reader.read(buffer, 0), 0u);
    EXPECT_EQ(reader.getCursor(), 0);
    EXPECT_EQ(reader.skip(0), 0u);
    EXPECT_EQ(reader.skip(100), 100u);
    EXPECT_EQ(reader.read(buffer, 10), 10u);
    EXPECT_EQ(buffer[0], 100);
    EXPECT_EQ(reader.read(buffer, sizeof buffer), 890u);
    EXPECT_TRUE(reader.isEof());
    EXPECT_EQ(reader.read(buffer, sizeof buffer), 0u);

    reader.seek(0, SeekOrigin::End);
    EXPECT_EQ(reader.getCursor(), reader.getLength());
    reader.seek(-3, static_cast<SeekOrigin>(7)); // any other origin counts from the end
    EXPECT_EQ(reader.getCursor(), 997);

    // Beyond the end the system delivers nothing while the position is not the length.
    reader.seek(5000, SeekOrigin::Begin);
    EXPECT_FALSE(reader.isEof());
    EXPECT_EQ(reader.read(buffer, 10), 0u);
    EXPECT_THROW(reader.seek(-1, SeekOrigin::Begin), Win32Exception);
}

TEST(FileStreamReaderWin32, AMissingFileOrAWriterFailsCreateFileAWithItsError)
{
    TemporaryDirectory directory;
    const std::string path = writeCountingFile(directory);
    expectOpenError(directory.file("missing.bin"), ERROR_FILE_NOT_FOUND);

    std::wstring widePath(path.begin(), path.end());
    auto openForWriting = [&] {
        return CreateFileW(widePath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    {
        FileStreamReader first(path.c_str());
        FileStreamReader second(path.c_str());
        unsigned char byte = 0;
        EXPECT_EQ(second.read(&byte, 1), 1u);
        // Readers share reading only.
        EXPECT_EQ(openForWriting(), INVALID_HANDLE_VALUE);
    }
    HANDLE writer = openForWriting();
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    expectOpenError(path, ERROR_SHARING_VIOLATION);
    CloseHandle(writer);
    FileStreamReader again(path.c_str());
    EXPECT_EQ(again.getLength(), 1000);
}
