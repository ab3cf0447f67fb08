#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include <vantrel/base/Exception.h>

using namespace vantrel;

TEST(Format, FormatsExactlyAndTruncatesBeyondTheLocalBuffer)
{
    auto text = format("CreateFileA API failed in %s method.", "vantrel::FileStreamReader::FileStreamReader");
    EXPECT_STREQ(text.get(), "CreateFileA API failed in vantrel::FileStreamReader::FileStreamReader method.");
    EXPECT_EQ(std::strlen(format("%s", std::string(5000, 'x').c_str()).get()), 2047u);
}

TEST(Exception, WhatIsExactlyTheTextForEveryClassAndCodesAreKept)
{
    const char* expected = "Invalid file format in vantrel::PngLoader::loadImpl method.";
    auto message = [] { return format("Invalid file format in %s method.", "vantrel::PngLoader::loadImpl"); };
    const Exception plain(message());
    const IoException io(message());
    const InterruptedException interrupted(message());
    const Win32Exception win32(message(), 2);
    const ComException com(message(), -2147467259);
    const DisplayException display(message(), -1);
    const std::exception* all[] = {&plain, &io, &interrupted, &win32, &com, &display};
    for (const std::exception* e : all) {
        EXPECT_STREQ(e->what(), expected);
    }
    EXPECT_EQ(win32.getErrorCode(), 2u);
    EXPECT_EQ(com.getResult(), -2147467259);
    EXPECT_EQ(display.getResult(), -1);
}

TEST(Exception, CopiesShareTheBufferAndOutliveEachOther)
{
    std::optional<Win32Exception> original(std::in_place, format("open API failed in %s method.", "f"), 2);
    const char* buffer = original->what();
    Win32Exception copy = *original;
    EXPECT_EQ(copy.what(), buffer);
    original.reset();
    EXPECT_STREQ(copy.what(), "open API failed in f method.");
}
