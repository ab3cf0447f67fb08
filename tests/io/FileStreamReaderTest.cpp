#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <numeric>
#include <vector>

#include "engine/base/Exception.h"
#include "engine/io/FileStreamReader.h"
#include "tests/io/TemporaryDirectory.h"

using namespace vantrel;

namespace {

std::size_t openDescriptors()
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                                  std::filesystem::directory_iterator()));
}

class FileStreamReaderTest : public testing::Test {
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

TEST_F(FileStreamReaderTest, MissingFileThrowsWithErrnoAndLeavesNothingOpen)
{
    std::size_t before = openDescriptors();
    try {
        FileStreamReader reader(directory.file("missing.bin").c_str());
        FAIL() << "opened a missing file";
    } catch (const Win32Exception& error) {
        EXPECT_STREQ(error.what(), "open API failed in vantrel::FileStreamReader::FileStreamReader method.");
        EXPECT_EQ(error.getErrorCode(), static_cast<std::uint32_t>(ENOENT));
    }
    EXPECT_EQ(openDescriptors(), before);
}

TEST_F(FileStreamReaderTest, DestructorClosesTheFile)
{
    std::size_t before = openDescriptors();
    {
        FileStreamReader reader(path.c_str());
        EXPECT_EQ(openDescriptors(), before + 1);
    }
    EXPECT_EQ(openDescriptors(), before);
}

TEST_F(FileStreamReaderTest, ReadsInOrderAndStopsAtTheEnd)
{
    FileStreamReader reader(path.c_str());
    unsigned char buffer[2000] = {};
    EXPECT_EQ(reader.read(buffer, 0), 0u);
    EXPECT_EQ(reader.getCursor(), 0);
    EXPECT_FALSE(reader.isEof());

    EXPECT_EQ(reader.read(buffer, 10), 10u);
    EXPECT_EQ(buffer[9], 9);
    EXPECT_EQ(reader.getCursor(), 10);

    EXPECT_EQ(reader.read(buffer, sizeof buffer), 990u);
    EXPECT_EQ(buffer[0], 10);
    EXPECT_EQ(buffer[989], content[999]);
    EXPECT_TRUE(reader.isEof());
    EXPECT_EQ(reader.read(buffer, sizeof buffer), 0u);
}

TEST_F(FileStreamReaderTest, SkipMovesForwardEvenBeyondTheEnd)
{
    FileStreamReader reader(path.c_str());
    EXPECT_EQ(reader.skip(0), 0u);
    EXPECT_EQ(reader.skip(300), 300u);
    EXPECT_EQ(reader.getCursor(), 300);
    unsigned char byte = 0;
    EXPECT_EQ(reader.read(&byte, 1), 1u);
    EXPECT_EQ(byte, content[300]);

    EXPECT_EQ(reader.skip(5000), 5000u);
    EXPECT_EQ(reader.getCursor(), 5301);
    // Beyond the end nothing arrives, and the position is not the length either.
    unsigned char buffer[16];
    EXPECT_EQ(reader.read(buffer, sizeof buffer), 0u);
    EXPECT_FALSE(reader.isEof());
}

TEST_F(FileStreamReaderTest, SkipThatWouldMoveBackwardsFails)
{
    FileStreamReader reader(path.c_str());
    reader.seek(10, SeekOrigin::Begin);
    // SIZE_MAX becomes the signed offset -1.
    try {
        reader.skip(SIZE_MAX);
        FAIL() << "moved backwards";
    } catch (const IoException& error) {
        EXPECT_STREQ(error.what(), "Invalid seek position in vantrel::FileStreamReader::skipImpl method.");
    }
}

TEST_F(FileStreamReaderTest, SeekOrigins)
{
    FileStreamReader reader(path.c_str());
    reader.seek(100, SeekOrigin::Begin);
    EXPECT_EQ(reader.getCursor(), 100);
    reader.seek(-40, SeekOrigin::Current);
    EXPECT_EQ(reader.getCursor(), 60);
    reader.seek(0, SeekOrigin::End);
    EXPECT_EQ(reader.getCursor(), reader.getLength());
    EXPECT_TRUE(reader.isEof());
    reader.seek(-1, static_cast<SeekOrigin>(7));
    EXPECT_EQ(reader.getCursor(), 999);
    EXPECT_EQ(reader.getLength(), 1000);
}

TEST_F(FileStreamReaderTest, SeekBeforeTheStartFailsWithErrno)
{
    FileStreamReader reader(path.c_str());
    try {
        reader.seek(-1, SeekOrigin::Begin);
        FAIL() << "moved before the start";
    } catch (const Win32Exception& error) {
        EXPECT_STREQ(error.what(), "lseek API failed in vantrel::FileStreamReader::seekImpl method.");
        EXPECT_EQ(error.getErrorCode(), static_cast<std::uint32_t>(EINVAL));
    }
    // The failed skip reports the seek, not the skip.
    try {
        reader.skip(SIZE_MAX);
        FAIL() << "moved before the start";
    } catch (const Win32Exception& error) {
        EXPECT_STREQ(error.what(), "lseek API failed in vantrel::FileStreamReader::seekImpl method.");
    }
}

TEST_F(FileStreamReaderTest, ReadFailureNamesTheReadCall)
{
    FileStreamReader reader(directory.getPath().c_str());
    unsigned char buffer[4];
    try {
        reader.read(buffer, sizeof buffer);
        FAIL() << "read a directory";
    } catch (const Win32Exception& error) {
        EXPECT_STREQ(error.what(), "read API failed in vantrel::FileStreamReader::readImpl method.");
        EXPECT_EQ(error.getErrorCode(), static_cast<std::uint32_t>(EISDIR));
    }
}

TEST_F(FileStreamReaderTest, TwoReadersShareOneFile)
{
    FileStreamReader first(path.c_str());
    FileStreamReader second(path.c_str());
    unsigned char a[4];
    unsigned char b[4];
    first.skip(500);
    EXPECT_EQ(second.read(b, 4), 4u);
    EXPECT_EQ(first.read(a, 4), 4u);
    EXPECT_EQ(a[0], content[500]);
    EXPECT_EQ(b[0], content[0]);
}

TEST_F(FileStreamReaderTest, EmptyFile)
{
    std::string empty = directory.write("empty.bin", {});
    FileStreamReader reader(empty.c_str());
    unsigned char byte;
    EXPECT_EQ(reader.getLength(), 0);
    EXPECT_TRUE(reader.isEof());
    EXPECT_EQ(reader.read(&byte, 1), 0u);
}
