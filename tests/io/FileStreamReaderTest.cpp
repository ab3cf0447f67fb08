#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <filesystem>

#include <vantrel/base/FailureText.h>
#endif

#include <cstdint>
#include <numeric>
#include <vector>

#include <vantrel/base/Exception.h>
#include <vantrel/io/BufferedStreamReader.h>
#include <vantrel/io/FileStreamReader.h>
#include "tests/support/Failure.h"
#include "tests/support/MemoryStreamReader.h"
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
                        ERROR_FILE_NOT_FOUND,
                        "SetFilePointer API failed in vantrel::FileStreamReader::seekImpl method.",
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

// The same moves on `reader` and on the same bytes in memory: every result agrees.
void expectMovesLikeMemory(IStreamReader& reader, const std::vector<unsigned char>& bytes)
{
    MemoryStreamReader memory(bytes);
    // Read, skip, seek from the beginning, the current position, the end, and from any other
    // origin (which counts from the end); beyond the end nothing arrives, and the position
    // is not the length either. No move goes before the start, even in an empty file.
    enum Kind { read, skip, begin, current, end, other };
    const std::pair<Kind, std::int64_t> moves[] = {
        {read, 0},    {skip, 0},    {skip, 20}, {read, 10}, {current, -5}, {read, 3},      {read, 700},
        {read, 3},    {skip, 20},   {read, 2000}, {read, 1}, {begin, 0},   {skip, 300},    {read, 1},
        {skip, 5000}, {read, 1},    {begin, 100}, {current, -40}, {end, 0}, {read, 1},     {other, 0},
        {read, 5},    {begin, 997}, {read, 1},  {read, 8}};
    const SeekOrigin origins[] = {SeekOrigin::Begin, SeekOrigin::Current, SeekOrigin::End, SeekOrigin(7)};
    for (auto [kind, amount] : moves) {
        SCOPED_TRACE(testing::Message() << "move " << kind << " by " << amount);
        std::vector<unsigned char> a(kind == read ? amount : 0), b(a.size());
        if (kind == read) {
            ASSERT_EQ(reader.read(a.data(), a.size()), memory.read(b.data(), b.size()));
            ASSERT_EQ(a, b);
        } else if (kind == skip) {
            ASSERT_EQ(reader.skip(amount), memory.skip(amount));
        } else {
            reader.seek(amount, origins[kind - begin]);
            memory.seek(amount, origins[kind - begin]);
        }
        ASSERT_EQ(reader.getCursor(), memory.getCursor());
        ASSERT_EQ(reader.isEof(), memory.isEof());
        ASSERT_EQ(reader.getLength(), memory.getLength());
    }
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

// Counts the reads that reach the source.
class CountingStream : public MemoryStreamReader {
public:
    using MemoryStreamReader::MemoryStreamReader;
    int reads = 0;

protected:
    std::size_t readImpl(void* buffer, std::size_t size) override
    {
        ++reads;
        return MemoryStreamReader::readImpl(buffer, size);
    }
};

} // namespace

TEST_F(FileStreamReaderTest, TheReaderAndTheBufferedReaderMoveAsTheSameBytesInMemory)
{
    FileStreamReader reader(path.c_str());
    expectMovesLikeMemory(reader, content);
    FileStreamReader empty(directory.write("empty.bin", {}).c_str());
    expectMovesLikeMemory(empty, {});
    BufferedStreamReader buffered(std::make_shared<FileStreamReader>(path.c_str()), 16);
    expectMovesLikeMemory(buffered, content);
    // Small reads reach the source once a buffer.
    auto source = std::make_shared<CountingStream>(content);
    BufferedStreamReader overCounting(source, 16);
    unsigned char byte = 0;
    for (int i = 0; i < 64; ++i) {
        ASSERT_EQ(overCounting.read(&byte, 1), 1u);
        ASSERT_EQ(byte, i);
    }
    EXPECT_LE(source->reads, 5);
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
        using std::filesystem::directory_iterator;
        return std::distance(directory_iterator("/proc/self/fd"), directory_iterator());
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

#endif
