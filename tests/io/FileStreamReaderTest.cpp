#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <numeric>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/io/FileStreamReader.h>
#include "tests/io/TemporaryDirectory.h"

using namespace vantrel;

namespace {

std::size_t openDescriptors()
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                                  std::filesystem::directory_iterator()));
}

template <class Action>
void expectSystemError(Action action, const char* message, int error)
{
    try {
        action();
        ADD_FAILURE() << "no error, expected " << message;
    } catch (const Win32Exception& thrown) {
        EXPECT_STREQ(thrown.what(), message);
        EXPECT_EQ(thrown.getErrorCode(), static_cast<std::uint32_t>(error));
    }
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

TEST_F(FileStreamReaderTest, OpenFailureAndDestructorLeaveNothingOpen)
{
    std::size_t before = openDescriptors();
    expectSystemError([&] { FileStreamReader reader(directory.file("missing.bin").c_str()); },
                      "open API failed in vantrel::FileStreamReader::FileStreamReader method.", ENOENT);
    EXPECT_EQ(openDescriptors(), before);
    {
        FileStreamReader reader(path.c_str());
        EXPECT_EQ(openDescriptors(), before + 1);
    }
    EXPECT_EQ(openDescriptors(), before);
}

TEST_F(FileStreamReaderTest, ReadSkipAndSeekMoveOneCursor)
{
    FileStreamReader reader(path.c_str());
    unsigned char buffer[2000] = {};
    EXPECT_EQ(reader.read(buffer, 0), 0u);
    EXPECT_FALSE(reader.isEof());
    EXPECT_EQ(reader.read(buffer, 10), 10u);
    EXPECT_EQ(buffer[9], 9);
    EXPECT_EQ(reader.getCursor(), 10);
    EXPECT_EQ(reader.read(buffer, sizeof buffer), 990u);
    EXPECT_EQ(buffer[0], 10);
    EXPECT_EQ(buffer[989], content[999]);
    EXPECT_TRUE(reader.isEof());
    EXPECT_EQ(reader.read(buffer, sizeof buffer), 0u);

    FileStreamReader empty(directory.write("empty.bin", {}).c_str());
    EXPECT_EQ(empty.getLength(), 0);
    EXPECT_TRUE(empty.isEof());
    EXPECT_EQ(empty.read(buffer, 1), 0u);

    reader.seek(0, SeekOrigin::Begin);
    EXPECT_EQ(reader.skip(300), 300u);
    unsigned char byte = 0;
    EXPECT_EQ(reader.read(&byte, 1), 1u);
    EXPECT_EQ(byte, content[300]);
    // Beyond the end nothing arrives, and the position is not the length either.
    EXPECT_EQ(reader.skip(5000), 5000u);
    EXPECT_EQ(reader.getCursor(), 5301);
    EXPECT_EQ(reader.read(&byte, 1), 0u);
    EXPECT_FALSE(reader.isEof());

    reader.seek(100, SeekOrigin::Begin);
    reader.seek(-40, SeekOrigin::Current);
    EXPECT_EQ(reader.getCursor(), 60);
    reader.seek(0, SeekOrigin::End);
    EXPECT_EQ(reader.getCursor(), 1000);
    EXPECT_TRUE(reader.isEof());
    reader.seek(-1, static_cast<SeekOrigin>(7));
    EXPECT_EQ(reader.getCursor(), 999);
    EXPECT_EQ(reader.getLength(), 1000);
}

TEST_F(FileStreamReaderTest, MovesBeforeTheStartAndReadFailuresNameTheirCall)
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
    const char* seekFailure = "lseek API failed in vantrel::FileStreamReader::seekImpl method.";
    expectSystemError([&] { reader.seek(-1, SeekOrigin::Begin); }, seekFailure, EINVAL);
    reader.seek(0, SeekOrigin::Begin);
    expectSystemError([&] { reader.skip(SIZE_MAX); }, seekFailure, EINVAL);

    FileStreamReader folder(directory.getPath().c_str());
    unsigned char buffer[4];
    expectSystemError([&] { folder.read(buffer, sizeof buffer); },
                      "read API failed in vantrel::FileStreamReader::readImpl method.", EISDIR);
}
