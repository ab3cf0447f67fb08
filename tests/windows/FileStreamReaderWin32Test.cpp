#include <gtest/gtest.h>

#include <windows.h>

#include <numeric>
#include <vector>

#include "engine/base/Exception.h"
#include "engine/io/FileStreamReader.h"
#include "tests/io/TemporaryDirectory.h"

using namespace vantrel;

namespace {

template <class Action>
void expectWin32Error(Action action, const char* message, DWORD error)
{
    try {
        action();
        ADD_FAILURE() << "no error, expected " << message;
    } catch (const Win32Exception& thrown) {
        EXPECT_STREQ(thrown.what(), message);
        EXPECT_EQ(thrown.getErrorCode(), error);
    }
}

class FileStreamReaderWin32Test : public testing::Test {
protected:
    void SetUp() override
    {
        content.resize(1000);
        std::iota(content.begin(), content.end(), 0);
        path = directory.write("data.bin", content);
    }

    TemporaryDirectory directory;
    std::vector<unsigned char> content;
    std::string path;
};

} // namespace

TEST_F(FileStreamReaderWin32Test, MissingFileNamesCreateFileAAndItsError)
{
    expectWin32Error([&] { FileStreamReader reader(directory.file("missing.bin").c_str()); },
                     "CreateFileA API failed in vantrel::FileStreamReader::FileStreamReader method.",
                     ERROR_FILE_NOT_FOUND);
}

TEST_F(FileStreamReaderWin32Test, ReadSkipAndSeekFollowTheFilePosition)
{
    FileStreamReader reader(path.c_str());
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

TEST_F(FileStreamReaderWin32Test, ReadersShareTheFileButNotWithAWriter)
{
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
    expectWin32Error([&] { FileStreamReader reader(path.c_str()); },
                     "CreateFileA API failed in vantrel::FileStreamReader::FileStreamReader method.",
                     ERROR_SHARING_VIOLATION);
    CloseHandle(writer);
    FileStreamReader again(path.c_str());
    EXPECT_EQ(again.getLength(), 1000);
}
