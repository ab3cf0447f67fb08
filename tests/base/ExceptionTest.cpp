#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <vantrel/base/Exception.h>

// The exact texts and result codes are checked where the engine throws them; this is the one
// case no caller reaches: a text longer than the local buffer.
TEST(Format, TruncatesBeyondTheLocalBuffer)
{
    EXPECT_EQ(std::strlen(vantrel::format("%s", std::string(5000, 'x').c_str()).get()), 2047u);
}
