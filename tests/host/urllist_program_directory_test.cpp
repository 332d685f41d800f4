// The program's folder from its module path, and the list file's path in it.
#include "urllist/program_directory.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DirectoryCase {
    const char* name;
    std::string modulePath;
    std::string directory;
};

void PrintTo(const DirectoryCase& directoryCase, std::ostream* out)
{
    *out << directoryCase.name;
}

class ProgramDirectoryTest : public testing::TestWithParam<DirectoryCase> {};

TEST_P(ProgramDirectoryTest, IsThePathBeforeItsLastBackslash)
{
    EXPECT_EQ(urllist::programDirectoryFromModulePath(GetParam().modulePath), GetParam().directory);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ProgramDirectoryTest,
    testing::Values(
        DirectoryCase{"Folder", "C:\\Tools\\x.exe", "C:\\Tools"},
        DirectoryCase{"DeepFolder", "D:\\a\\b c\\d\\varnelle.exe", "D:\\a\\b c\\d"},
        DirectoryCase{"DriveRoot", "C:\\x.exe", "C:"},
        DirectoryCase{"NetworkShare", "\\\\server\\share\\x.exe", "\\\\server\\share"},
        DirectoryCase{"ChineseFolder", "C:\\工具\\网址\\x.exe", "C:\\工具\\网址"},
        // 0x5C as the second byte of a two-byte character is no backslash.
        DirectoryCase{"SecondByteBackslashInFolder", "C:\\a\x81\\b\\x.exe", "C:\\a\x81\\b"},
        DirectoryCase{"SecondByteBackslashInFileName", "C:\\a\\x\x81\\.exe", "C:\\a"},
        DirectoryCase{"BackslashAfterWholeCharacter", "C:\\\x81\x40\\x.exe", "C:\\\x81\x40"},
        DirectoryCase{"SlashIsNoSeparator", "C:\\a/b/x.exe", "C:"},
        // Without any backslash the file lies in the current folder.
        DirectoryCase{"NoBackslash", "x.exe", "."},
        DirectoryCase{"OnlySecondByteBackslash", "\x81\\x.exe", "."},
        DirectoryCase{"EmptyPath", "", "."}, DirectoryCase{"LeadByteLast", "C:\\a\\x\x81", "C:\\a"},
        DirectoryCase{"LongerThanMaxPath", "C:\\" + std::string(300, 'd') + "\\x.exe",
                      "C:\\" + std::string(300, 'd')}),
    [](const testing::TestParamInfo<DirectoryCase>& info) { return std::string(info.param.name); });

// The list file's name is "\网址.txt" in GBK, appended byte for byte.
TEST(UrlListFilePath, IsTheDirectoryAndTheGbkName)
{
    const std::string nameBytes = "\x5C\xCD\xF8\xD6\xB7\x2E\x74\x78\x74";
    EXPECT_EQ(urllist::urlListFilePath("C:\\Tools"), "C:\\Tools" + nameBytes);
    EXPECT_EQ(urllist::urlListFilePath("C:"), "C:" + nameBytes);
    EXPECT_EQ(urllist::urlListFilePath("C:\\工具"), "C:\\\xB9\xA4\xBE\xDF" + nameBytes);
}

} // namespace
