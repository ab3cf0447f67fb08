#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "engine/base/Exception.h"

using namespace vantrel;

TEST(Format, AllocatesExactlyTheFormattedText)
{
    auto text = format("CreateFileA API failed in %s method.", "vantrel::FileStreamReader::FileStreamReader");
    EXPECT_STREQ(text.get(), "CreateFileA API failed in vantrel::FileStreamReader::FileStreamReader method.");
}

TEST(Format, TruncatesBeyondTheLocalBuffer)
{
    std::string longName(5000, 'x');
    auto text = format("%s", longName.c_str());
    EXPECT_EQ(std::strlen(text.get()), 2047u);
}

TEST(Exception, WhatIsExactlyTheTextForEveryClass)
{
    const char* expected = "Invalid file format in vantrel::PngLoader::loadImpl method.";
    auto message = [] { return format("Invalid file format in %s method.", "vantrel::PngLoader::loadImpl"); };
    EXPECT_STREQ(Exception(message()).what(), expected);
    EXPECT_STREQ(IoException(message()).what(), expected);
    EXPECT_STREQ(InterruptedException(message()).what(), expected);
    Win32Exception win32(message(), 2);
    EXPECT_STREQ(win32.what(), expected);
    EXPECT_EQ(win32.getErrorCode(), 2u);
    ComException com(message(), -2147467259);
    EXPECT_STREQ(com.what(), expected);
    EXPECT_EQ(com.getResult(), -2147467259);
    DisplayException display(message(), -1);
    EXPECT_STREQ(display.what(), expected);
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

TEST(Exception, CaughtAsStandardException)
{
    try {
        throw IoException(format("Invalid seek position in %s method.", "vantrel::FileStreamReader::skipImpl"));
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Invalid seek position in vantrel::FileStreamReader::skipImpl method.");
        EXPECT_NE(dynamic_cast<const Exception*>(&e), nullptr);
    }
}
