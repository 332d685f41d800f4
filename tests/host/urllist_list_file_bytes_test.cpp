// The list file's bytes and the list text: the same bytes, cut at a zero byte.
#include "urllist/list_file_bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct BytesCase {
    const char* name;
    std::string fileBytes;
    std::string listText;
};

void PrintTo(const BytesCase& bytesCase, std::ostream* out)
{
    *out << bytesCase.name;
}

class ListFileBytesTest : public testing::TestWithParam<BytesCase> {};

TEST_P(ListFileBytesTest, LoadsAsTheBytesBeforeTheFirstZero)
{
    EXPECT_EQ(urllist::listTextFromFileBytes(GetParam().fileBytes), GetParam().listText);
}

TEST_P(ListFileBytesTest, SavesTheTextsBytesUnchanged)
{
    const std::string& text = GetParam().listText;
    EXPECT_EQ(urllist::fileBytesFromListText(text), text);
}

const std::string kUtf8ByteOrderMark = "\xEF\xBB\xBF";

INSTANTIATE_TEST_SUITE_P(
    Files, ListFileBytesTest,
    testing::Values(BytesCase{"Empty", "", ""},
                    BytesCase{"ZeroByteFirst", std::string("\0http://a", 9), ""},
                    BytesCase{"ZeroByteInside", std::string("http://a\r\n\0http://b", 19),
                              "http://a\r\n"},
                    BytesCase{"ZeroByteLast", std::string("http://a\0", 9), "http://a"},
                    BytesCase{"ByteOrderMarkKept", kUtf8ByteOrderMark + "http://a",
                              kUtf8ByteOrderMark + "http://a"},
                    BytesCase{"LfOnlyKept", "http://a\nhttp://b\n", "http://a\nhttp://b\n"},
                    BytesCase{"CrLfAtTheEndKept", "http://a\r\n", "http://a\r\n"},
                    BytesCase{"GbkUnconverted", "网址\r\n\x80\xFF", "网址\r\n\x80\xFF"}),
    [](const testing::TestParamInfo<BytesCase>& info) { return std::string(info.param.name); });

// A text holding a zero byte ends there, as the zero-terminated text would.
TEST(ListFileBytes, TextEndsAtItsFirstZeroByte)
{
    EXPECT_EQ(urllist::fileBytesFromListText(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(urllist::fileBytesFromListText(std::string("\0", 1)), "");
}

} // namespace
