// The extraction: entries, their count and the count caption from a list text.
#include "urllist/url_extractor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

struct ExtractionCase {
    const char* name;
    std::string listText;
    Entries entries;
};

void PrintTo(const ExtractionCase& extractionCase, std::ostream* out)
{
    *out << extractionCase.name;
}

class UrlExtractorTest : public testing::TestWithParam<ExtractionCase> {};

TEST_P(UrlExtractorTest, GivesTheEntriesAndTheirCount)
{
    const ExtractionCase& extractionCase = GetParam();
    const urllist::UrlExtraction extraction = urllist::extractUrls(extractionCase.listText);
    EXPECT_EQ(extraction.entries, extractionCase.entries);
    EXPECT_EQ(extraction.urlCount, static_cast<std::int32_t>(extractionCase.entries.size()));
    EXPECT_EQ(extraction.countCaption, urllist::countCaption(extraction.urlCount));
}

TEST_P(UrlExtractorTest, VisitsTheSameEntriesAsViewsIntoTheText)
{
    const std::string& text = GetParam().listText;
    Entries visited;
    urllist::forEachUrlEntry(text, [&](std::string_view entry) {
        EXPECT_TRUE(entry.data() >= text.data() &&
                    entry.data() + entry.size() <= text.data() + text.size());
        visited.emplace_back(entry);
    });
    EXPECT_EQ(visited, GetParam().entries);
}

std::string caseName(const testing::TestParamInfo<ExtractionCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, UrlExtractorTest,
    testing::Values(
        ExtractionCase{"EmptyText", "", {}},
        ExtractionCase{"OneLineWithoutBreak", "http://a.cn/x", {"http://a.cn/x"}},
        ExtractionCase{"FinalBreakAddsNoLine", "http://a.cn/x\r\n", {"http://a.cn/x"}},
        ExtractionCase{
            "TwoLinesInOrder", "http://b.cn\r\nhttp://a.cn", {"http://b.cn", "http://a.cn"}},
        ExtractionCase{"DuplicatesKeptInOrder",
                       "http://a.cn\r\nhttp://b.cn\r\nhttp://a.cn",
                       {"http://a.cn", "http://b.cn", "http://a.cn"}},
        ExtractionCase{"BlankLinesAndNotesPassedOver",
                       "\r\n笔记\r\n\r\nhttp://a.cn\r\n\r\nnote http://b.cn\r\n",
                       {"http://a.cn"}},
        ExtractionCase{
            "CrInsideALineIsNoBreak", "http://a.cn\rhttp://b.cn\r\nx", {"http://a.cn\r"}},
        ExtractionCase{
            "LoneCrBeforeBreak", "http://a.cn\r\r\nhttp://b.cn", {"http://a.cn\r", "http://b.cn"}},
        ExtractionCase{"TrailingBlanksAndTabsKept",
                       "http://a.cn/x \t \r\nhttp://b.cn\t",
                       {"http://a.cn/x \t ", "http://b.cn\t"}}),
    caseName);

// Only lines whose first seven bytes are exactly "http://" are taken.
INSTANTIATE_TEST_SUITE_P(
    TakenLines, UrlExtractorTest,
    testing::Values(ExtractionCase{"SecureScheme", "https://a.cn", {}},
                    ExtractionCase{"UpperCase", "HTTP://a.cn\r\nHttp://a.cn", {}},
                    ExtractionCase{"LeadingBlank", " http://a.cn\r\n\thttp://a.cn", {}},
                    ExtractionCase{"NoScheme", "a.cn\r\nwww.a.cn", {}},
                    ExtractionCase{"ShorterThanTheScheme", "http:/\r\nhttp", {}},
                    ExtractionCase{"SchemeCutByBreak", "http:/\r\n/a.cn", {}},
                    ExtractionCase{"SchemeAloneGivesNoEntry", "http://", {}},
                    ExtractionCase{"SchemeAloneAmongOthers",
                                   "http://\r\nhttp://a.cn\r\nhttp://\r\n",
                                   {"http://a.cn"}},
                    ExtractionCase{"SchemeAndBlankIsAnEntry", "http:// ", {"http:// "}}),
    caseName);

// The entry ends before the line's next "http://".
INSTANTIATE_TEST_SUITE_P(
    SecondScheme, UrlExtractorTest,
    testing::Values(
        ExtractionCase{"BlankThenAnotherAddress", "http://a.cn http://b.cn", {"http://a.cn "}},
        ExtractionCase{"RedirectParameter",
                       "http://a.cn/go?to=http://b.cn/&x=1\r\nhttp://c.cn",
                       {"http://a.cn/go?to=", "http://c.cn"}},
        ExtractionCase{"SchemeTwice", "http://http://a.cn", {"http://"}},
        ExtractionCase{"SecureSchemeInsideDoesNotCut",
                       "http://a.cn/?u=https://b",
                       {"http://a.cn/?u=https://b"}},
        ExtractionCase{"LfOnlyTextIsOneLine",
                       "http://a.cn\nnote\nhttp://b.cn\nhttp://c.cn\n",
                       {"http://a.cn\nnote\n"}},
        ExtractionCase{"LfOnlyTextNotStartingWithScheme", "note\nhttp://a.cn\n", {}}),
    caseName);

// A byte of 0x80 or above takes the byte after it as its second byte.
INSTANTIATE_TEST_SUITE_P(
    DoubleByte, UrlExtractorTest,
    testing::Values(
        ExtractionCase{"ChineseInAddressAndNotes",
                       "中文备注\r\nhttp://a.cn/网址\r\n网址",
                       {"http://a.cn/网址"}},
        ExtractionCase{"LoneHighByteSwallowsTheCr",
                       "http://a.cn\x80\r\nhttp://b.cn\r\nx",
                       {"http://a.cn\x80\r\n"}},
        ExtractionCase{"SwallowedBreakJoinsANoteToTheLineBefore",
                       "note\x80\r\nhttp://a.cn\r\nhttp://b.cn",
                       {"http://b.cn"}},
        ExtractionCase{
            "OddRunSwallowsTheCr", "http://a.cn/网\xB0\r\nhttp://b.cn", {"http://a.cn/网\xB0\r\n"}},
        ExtractionCase{"HAsSecondByteDoesNotCut",
                       "http://a.cn/\x81http://b.cn",
                       {"http://a.cn/\x81http://b.cn"}},
        ExtractionCase{"HAfterWholeCharacterCuts", "http://a.cn/网http://b.cn", {"http://a.cn/网"}},
        ExtractionCase{"LeadByteLastInText", "http://a.cn\x80", {"http://a.cn\x80"}},
        ExtractionCase{"LeadByteLastBeforeScheme",
                       "http://a.cn\r\nhttp://\x80",
                       {"http://a.cn", "http://\x80"}}),
    caseName);

TEST(UrlExtractorLong, LongLinesAndManyLines)
{
    const std::string longAddress = "http://a.cn/" + std::string(100000, 'x');
    std::string text = longAddress + "\r\n" + std::string(50000, 'n') + "\r\n";
    for (int line = 0; line < 20000; ++line) {
        text += "http://a.cn/" + std::to_string(line) + "\r\n";
    }
    const urllist::UrlExtraction extraction = urllist::extractUrls(text);
    ASSERT_EQ(extraction.urlCount, 20001);
    EXPECT_EQ(extraction.entries.front(), longAddress);
    EXPECT_EQ(extraction.entries[1], "http://a.cn/0");
    EXPECT_EQ(extraction.entries.back(), "http://a.cn/19999");
}

struct CaptionCase {
    std::int32_t urlCount;
    std::string bytes;
};

class CountCaptionTest : public testing::TestWithParam<CaptionCase> {};

// 总共有：N个网址。 in GBK: full-width colon A3 BA, ideographic full stop A1 A3.
TEST_P(CountCaptionTest, IsTheGbkText)
{
    EXPECT_EQ(urllist::countCaption(GetParam().urlCount), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Counts, CountCaptionTest,
                         testing::Values(CaptionCase{0, "\xD7\xDC\xB9\xB2\xD3\xD0\xA3\xBA"
                                                        "0"
                                                        "\xB8\xF6\xCD\xF8\xD6\xB7\xA1\xA3"},
                                         CaptionCase{12, "\xD7\xDC\xB9\xB2\xD3\xD0\xA3\xBA"
                                                         "12"
                                                         "\xB8\xF6\xCD\xF8\xD6\xB7\xA1\xA3"},
                                         CaptionCase{2147483647,
                                                     "\xD7\xDC\xB9\xB2\xD3\xD0\xA3\xBA"
                                                     "2147483647"
                                                     "\xB8\xF6\xCD\xF8\xD6\xB7\xA1\xA3"}));

TEST(CountCaption, ExtractionCarriesTheCaptionOfItsCount)
{
    EXPECT_EQ(urllist::extractUrls("").countCaption, urllist::countCaption(0));
    EXPECT_EQ(urllist::extractUrls("http://a\r\nhttp://b\r\nhttp://").countCaption,
              urllist::countCaption(2));
}

} // namespace
