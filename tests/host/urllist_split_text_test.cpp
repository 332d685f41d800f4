// splitText: the pieces of a text at a delimiter, by the double-byte rule.
#include "urllist/split_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Pieces = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string text;
    std::string delimiter;
    Pieces pieces;
};

void PrintTo(const SplitCase& splitCase, std::ostream* out)
{
    *out << splitCase.name;
}

class SplitTextTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextTest, GivesThePieces)
{
    const SplitCase& splitCase = GetParam();
    EXPECT_EQ(urllist::splitText(splitCase.text, splitCase.delimiter), splitCase.pieces);
}

// The rule's consequences, for both delimiters the extraction uses.
INSTANTIATE_TEST_SUITE_P(
    Consequences, SplitTextTest,
    testing::Values(SplitCase{"EmptyText", "", "\r\n", {}},
                    SplitCase{"EmptyTextOtherDelimiter", "", "http://", {}},
                    SplitCase{"NoDelimiter", "abc", "\r\n", {"abc"}},
                    SplitCase{"DelimiterAlone", "\r\n", "\r\n", {""}},
                    SplitCase{"SchemeAlone", "http://", "http://", {""}},
                    SplitCase{"BetweenTwo", "a\r\nb", "\r\n", {"a", "b"}},
                    SplitCase{"TwoInARowGiveAnEmptyPiece", "a\r\n\r\nb", "\r\n", {"a", "", "b"}},
                    SplitCase{"AtTheEndNoEmptyPiece", "a\r\n", "\r\n", {"a"}},
                    SplitCase{"OnlyTheLastTrailingOneDropped", "a\r\n\r\n", "\r\n", {"a", ""}},
                    SplitCase{"AtTheStart", "\r\na", "\r\n", {"", "a"}},
                    SplitCase{"SchemeThenRest", "http://x.cn/", "http://", {"", "x.cn/"}},
                    SplitCase{"SchemeTwice", "http://a http://b", "http://", {"", "a ", "b"}},
                    SplitCase{"SchemeTwiceAtEnd", "http://http://", "http://", {"", ""}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

// Bytes, not lines: lone CR and LF are ordinary bytes; matching is
// case-sensitive; overlapping occurrences are taken from the left.
INSTANTIATE_TEST_SUITE_P(
    Bytes, SplitTextTest,
    testing::Values(
        SplitCase{"LoneLfIsNoBreak", "a\nb", "\r\n", {"a\nb"}},
        SplitCase{"LoneCrIsNoBreak", "a\rb\r", "\r\n", {"a\rb\r"}},
        SplitCase{"LfCrIsNoBreak", "a\n\rb", "\r\n", {"a\n\rb"}},
        SplitCase{"CrCrLf", "a\r\r\nb", "\r\n", {"a\r", "b"}},
        SplitCase{"UpperCaseIsNoMatch", "HTTP://a", "http://", {"HTTP://a"}},
        SplitCase{"OverlapTakenFromTheLeft", "aaa", "aa", {"", "a"}},
        SplitCase{"OverlapEven", "aaaa", "aa", {"", ""}},
        SplitCase{"SelfOverlappingDelimiter", "ababab", "abab", {"", "ab"}},
        SplitCase{"PartialMatchesBeforeTheMatch", "aabaabaaab", "aaab", {"aabaab"}},
        SplitCase{"SingleByteDelimiter", ",a,,b,", ",", {"", "a", "", "b"}},
        SplitCase{"DelimiterLongerThanText", "ab", "abc", {"ab"}},
        SplitCase{"ZeroByteIsOrdinary", std::string("a\0b", 3), "\r\n", {std::string("a\0b", 3)}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

// A byte of 0x80 or above takes the next byte as its second byte, whatever it is.
INSTANTIATE_TEST_SUITE_P(
    DoubleByte, SplitTextTest,
    testing::Values(
        SplitCase{"ChineseThenBreak", "网址\r\n中文", "\r\n", {"网址", "中文"}},
        SplitCase{"LoneHighByteSwallowsTheCr", "a\x80\r\nb", "\r\n", {"a\x80\r\nb"}},
        SplitCase{"OddRunSwallowsTheCr", "\xB0\xA1\xB0\r\nb", "\r\n", {"\xB0\xA1\xB0\r\nb"}},
        SplitCase{
            "EvenRunLeavesTheBreak", "\xB0\xA1\xB0\xA1\r\nb", "\r\n", {"\xB0\xA1\xB0\xA1", "b"}},
        SplitCase{"SwallowedCrThenLaterBreak", "\x80\r\n\r\nb", "\r\n", {"\x80\r\n", "b"}},
        SplitCase{"HAsSecondByteStartsNothing", "\x81http://a", "http://", {"\x81http://a"}},
        SplitCase{"HAfterWholeCharacterStarts", "\x81\x40http://a", "http://", {"\x81\x40", "a"}},
        SplitCase{"HighByteDelimiterMatchesOnBoundary", "a网b", "网", {"a", "b"}},
        SplitCase{
            "HighByteDelimiterNotInsideCharacter", "\xB0\xCD\xF8", "\xCD\xF8", {"\xB0\xCD\xF8"}},
        SplitCase{
            "HighByteDelimiterAfterCharacter", "\xB0\xA1\xCD\xF8x", "\xCD\xF8", {"\xB0\xA1", "x"}},
        SplitCase{"LeadByteAtTheEnd", "a\r\nb\x80", "\r\n", {"a", "b\x80"}},
        SplitCase{"LeadByteAloneAtTheEnd", "\x80", "\x80", {""}},
        SplitCase{"DelimiterTakenBeforeTheDoubleByteRule", "\x80\x80\x80", "\x80", {"", "", ""}},
        SplitCase{"SecondByteIsNoDelimiter", "\x81\x80", "\x80", {"\x81\x80"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

// Long inputs of the shapes that make a naive search slow still split right.
TEST(SplitTextLong, RepetitiveTextAndDelimiter)
{
    const std::string delimiter = std::string(1000, 'a') + "b";
    const std::string text = std::string(100000, 'a') + "b" + std::string(5, 'c');
    EXPECT_EQ(urllist::splitText(text, delimiter), (Pieces{std::string(99000, 'a'), "ccccc"}));
}

TEST(SplitTextLong, ManyLinesKeepOrder)
{
    std::string text;
    Pieces expected;
    for (int line = 0; line < 1000; ++line) {
        expected.push_back("line " + std::to_string(line) + " 网址");
        text += expected.back() + "\r\n";
    }
    EXPECT_EQ(urllist::splitText(text, "\r\n"), expected);
}

} // namespace
