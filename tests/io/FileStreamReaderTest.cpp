#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <filesystem>

#include <vantrel/base/FailureText.h>
#include <vantrel/io/BufferedStreamReader.h>
#include "tests/support/MemoryStreamReader.h"
#endif

#include <cstdint>
#include <numeric>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/io/FileStreamReader.h>
#include "tests/support/Failure.h"
#include "tests/support/TemporaryDirectory.h"

using namespace vantrel;

namespace {

// The same failures on each platform's reader: the call named and the system's error code.
struct Failures {
    const char* open;
    std::uint32_t missing;
    const char* seek;
    std::uint32_t beforeStart;
};
#ifdef _WIN32
const Failures failures{"CreateFileA API failed in vantrel::FileStreamReader::FileStreamReader method.",
                        ERROR_FILE_NOT_FOUND, "SetFilePointer API failed in vantrel::FileStreamReader::seekImpl method.",
                        ERROR_NEGATIVE_SEEK};
#else
const Failures failures{"open API failed in vantrel::FileStreamReader::FileStreamReader method.", ENOENT,
                        "lseek API failed in vantrel::FileStreamReader::seekImpl method.", EINVAL};
#endif

template <class Action>
void expectSystemError(Action action, const char* message, std::uint32_t error)
{
    auto thrown = thrownBy<Win32Exception>(action);
    ASSERT_TRUE(thrown) << "no error, expected " << message;
    EXPECT_STREQ(thrown->what(), message);
    EXPECT_EQ(thrown->getErrorCode(), error);
}

// The bytes 0, 1, 2, ... of a 1000-byte file.
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

TEST_F(FileStreamReaderTest, ReadSkipAndSeekMoveOneCursor)
{
    FileStreamReader reader(path.c_str());
    unsigned char buffer[2000] = {};
    EXPECT_EQ(reader.read(buffer, 0), 0u);
    EXPECT_EQ(reader.skip(0), 0u);
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
    reader.seek(-1, static_cast<SeekOrigin>(7)); // any other origin counts from the end
    EXPECT_EQ(reader.getCursor(), 999);
    EXPECT_EQ(reader.getLength(), 1000);
}

TEST_F(FileStreamReaderTest, OpeningAMissingFileAndMovingBeforeTheStartFailWithTheirCall)
{
    expectSystemError([&] { FileStreamReader reader(directory.file("missing.bin").c_str()); }, failures.open,
                      failures.missing);
    FileStreamReader reader(path.c_str());
    reader.seek(10, SeekOrigin::Begin);
    // SIZE_MAX becomes the signed offset -1.
    EXPECT_EQ(failureOf<IoException>([&] { reader.skip(SIZE_MAX); }),
              "Invalid seek position in vantrel::FileStreamReader::skipImpl method.");
    expectSystemError([&] { reader.seek(-1, SeekOrigin::Begin); }, failures.seek, failures.beforeStart);
    reader.seek(0, SeekOrigin::Begin);
    expectSystemError([&] { reader.skip(SIZE_MAX); }, failures.seek, failures.beforeStart);
}

#ifdef _WIN32
// Readers share reading only: a writer cannot open the file while they have it, nor they while it does.
TEST_F(FileStreamReaderTest, ReadersAndAWriterExcludeEachOther)
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
        EXPECT_EQ(openForWriting(), INVALID_HANDLE_VALUE);
    }
    HANDLE writer = openForWriting();
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    expectSystemError([&] { FileStreamReader reader(path.c_str()); }, failures.open, ERROR_SHARING_VIOLATION);
    CloseHandle(writer);
    EXPECT_EQ(FileStreamReader(path.c_str()).getLength(), 1000);
}
#else
TEST_F(FileStreamReaderTest, NothingStaysOpenAndReadFailuresNameTheirCall)
{
    auto openDescriptors = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator());
    };
    const auto before = openDescriptors();
    EXPECT_THROW(FileStreamReader(directory.file("missing.bin").c_str()), Win32Exception);
    EXPECT_EQ(openDescriptors(), before);
    {
        FileStreamReader reader(path.c_str());
        EXPECT_EQ(openDescriptors(), before + 1);
    }
    EXPECT_EQ(openDescriptors(), before);

    FileStreamReader folder(directory.getPath().c_str());
    unsigned char buffer[4];
    expectSystemError([&] { folder.read(buffer, sizeof buffer); },
                      "read API failed in vantrel::FileStreamReader::readImpl method.", EISDIR);
}
TEST_F(FileStreamReaderTest, AFileThatCannotBeOpenedIsNamedWithTheFolderItWasLookedForIn)
{
    const std::string folder = std::filesystem::canonical(directory.getPath()).string();
    const std::string cases[][3] = {
        {folder + "/missing.png", "missing.png", folder}, // absolute
        {"load.gra", "load.gra", folder},                 // relative: the current folder
        {"./data/../load.gra", "load.gra", folder},
    };
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    for (const auto& [given, file, in] : cases) {
        auto thrown = thrownBy<FileOpenException>([&] { FileStreamReader reader(given.c_str()); });
        ASSERT_TRUE(thrown) << given << " opened";
        EXPECT_STREQ(thrown->what(), failures.open);
        EXPECT_EQ(failureText(*thrown), std::string(thrown->what()) + "\n" + file + ", looked for in " + in);
    }
    std::filesystem::current_path(previous);
    EXPECT_EQ(failureText(IoException(format("%s", "no file"))), "no file");
}

// Counts the reads that reach the source.
class CountingStream : public MemoryStreamReader {
public:
    using MemoryStreamReader::MemoryStreamReader;
    int reads = 0;

protected:
    std::size_t readImpl(void* buffer, std::size_t size) override { return ++reads, MemoryStreamReader::readImpl(buffer, size); }
};

TEST(BufferedStreamReader, MovesAsItsSourceWouldWithFewerReads)
{
    std::vector<unsigned char> bytes(10000);
    std::iota(bytes.begin(), bytes.end(), 0);
    auto source = std::make_shared<CountingStream>(bytes);
    BufferedStreamReader buffered(source, 256);
    MemoryStreamReader plain(bytes);
    // Small reads, a read larger than the buffer, skips within and beyond it, seeks.
    for (int step = 0; step < 60; ++step) {
        std::size_t size = step % 7 == 3 ? 700 : static_cast<std::size_t>(step % 5);
        std::vector<unsigned char> a(size), b(size);
        ASSERT_EQ(buffered.read(a.data(), size), plain.read(b.data(), size)) << step;
        ASSERT_EQ(a, b) << step;
        if (step % 9 == 4) {
            ASSERT_EQ(buffered.skip(step * 3), plain.skip(step * 3)) << step;
        }
        if (step % 11 == 6) {
            buffered.seek(-5, SeekOrigin::Current);
            plain.seek(-5, SeekOrigin::Current);
        }
        ASSERT_EQ(buffered.getCursor(), plain.getCursor()) << step;
        ASSERT_EQ(buffered.isEof(), plain.isEof()) << step;
    }
    EXPECT_LT(source->reads, 30);
    buffered.seek(-3, SeekOrigin::End);
    unsigned char tail[8];
    EXPECT_EQ(buffered.read(tail, sizeof tail), 3u);
    EXPECT_TRUE(buffered.isEof());
    EXPECT_EQ(buffered.getLength(), 10000);
}
#endif
