// UrlListFile on real files under Wine: every test works in a fresh folder of
// its own beside the executable. "Held open by another program" is a real
// second process: this executable started again with --hold.
//
// Tests named LinuxSide* need a Linux-side driver (url_list_file_linux_test.sh)
// that prepares a folder and checks the outcome from Linux; the plain run
// leaves them out.
#include "platform/unique_handle.h"
#include "urllist/module_file_name.h"
#include "urllist/program_directory.h"
#include "urllist/url_list_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kListFileName = "网址.txt";

std::string readWholeFile(const std::string& path)
{
    platform::UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ADD_FAILURE() << "cannot open " << path << " for checking: " << GetLastError();
        return {};
    }
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    return bytes;
}

void writeWholeFile(const std::string& path, const std::string& bytes)
{
    platform::UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << "cannot create " << path << ": " << GetLastError();
    DWORD written = 0;
    ASSERT_TRUE(
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    ASSERT_EQ(written, bytes.size());
}

bool fileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The names in a folder, "." and ".." left out.
std::vector<std::string> folderContents(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

void removeFolder(const std::string& folder)
{
    for (const std::string& name : folderContents(folder)) {
        const std::string path = folder + "\\" + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
    RemoveDirectoryA(folder.c_str());
}

std::string programFolder()
{
    return urllist::programDirectoryFromModulePath(urllist::moduleFileName());
}

// Another process that holds a file open with the given access and sharing
// until it is released (or this object goes away).
class FileHolder {
public:
    FileHolder(const std::string& path, DWORD access, DWORD share)
    {
        const std::string tag = std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(reinterpret_cast<std::uintptr_t>(this));
        const std::string readyName = "VarnelleHolderReady-" + tag;
        const std::string releaseName = "VarnelleHolderRelease-" + tag;
        ready_.reset(CreateEventA(nullptr, TRUE, FALSE, readyName.c_str()));
        release_.reset(CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str()));
        std::string commandLine = "\"" + urllist::moduleFileName() + "\" --hold \"" + path + "\" " +
                                  std::to_string(access) + " " + std::to_string(share) + " " +
                                  readyName + " " + releaseName;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            ADD_FAILURE() << "cannot start the holder: " << GetLastError();
            return;
        }
        process_.reset(process.hProcess);
        CloseHandle(process.hThread);
        const HANDLE waitFor[] = {ready_.get(), process_.get()};
        if (WaitForMultipleObjects(2, waitFor, FALSE, 30000) != WAIT_OBJECT_0) {
            ADD_FAILURE() << "the holder could not open " << path;
        }
    }
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;
    ~FileHolder() { release(); }

    void release()
    {
        if (process_) {
            SetEvent(release_.get());
            WaitForSingleObject(process_.get(), 30000);
            process_.reset();
        }
    }

private:
    platform::UniqueKernelHandle ready_;
    platform::UniqueKernelHandle release_;
    platform::UniqueKernelHandle process_;
};

// The holder's side: open, tell the test, wait to be released.
int holdFile(char** arguments)
{
    const auto access = static_cast<DWORD>(std::strtoul(arguments[1], nullptr, 10));
    const auto share = static_cast<DWORD>(std::strtoul(arguments[2], nullptr, 10));
    platform::UniqueFile file(CreateFileA(arguments[0], access, share, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    platform::UniqueKernelHandle ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, arguments[3]));
    platform::UniqueKernelHandle release(OpenEventA(SYNCHRONIZE, FALSE, arguments[4]));
    if (!file || !ready || !release) {
        return 2;
    }
    SetEvent(ready.get());
    WaitForSingleObject(release.get(), 60000);
    return 0;
}

class UrlListFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "-" + test->name();
        for (char& c : name) {
            if (c == '/') {
                c = '-';
            }
        }
        work_ = programFolder() + "\\work";
        CreateDirectoryA(work_.c_str(), nullptr);
        folder_ = work_ + "\\" + name;
        removeFolder(folder_);
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr)) << folder_;
        listPath_ = folder_ + "\\" + kListFileName;
    }

    void TearDown() override
    {
        removeFolder(folder_);
        RemoveDirectoryA(work_.c_str()); // once the last test's folder is gone
    }

    // Only the list file, no temporary file left behind.
    void expectOnlyTheListFile() const
    {
        EXPECT_EQ(folderContents(folder_), std::vector<std::string>{kListFileName});
    }

    std::string work_;
    std::string folder_;
    std::string listPath_;
};

TEST_F(UrlListFileTest, PathIsTheFolderAndTheGbkName)
{
    urllist::UrlListFile listFile(folder_);
    EXPECT_EQ(listFile.path(), folder_ + "\\\xCD\xF8\xD6\xB7.txt");
}

TEST_F(UrlListFileTest, AbsentFileLoadsEmptyAndTheSaveCreatesItWithZeroBytes)
{
    urllist::UrlListFile listFile(folder_);
    EXPECT_EQ(listFile.loadUrlListText(), "");
    EXPECT_FALSE(fileExists(listPath_));
    listFile.saveUrlListText("");
    ASSERT_TRUE(fileExists(listPath_));
    EXPECT_EQ(readWholeFile(listPath_), "");
    expectOnlyTheListFile();
}

TEST_F(UrlListFileTest, AbsentFolderLoadsEmptyAndSaveCreatesNothing)
{
    urllist::UrlListFile listFile(folder_ + "\\missing");
    EXPECT_EQ(listFile.loadUrlListText(), "");
    listFile.saveUrlListText("http://a.cn");
    EXPECT_TRUE(folderContents(folder_).empty());
}

struct LoadCase {
    const char* name;
    std::string fileBytes;
    std::string listText;
};

void PrintTo(const LoadCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class UrlListFileLoadTest : public UrlListFileTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(UrlListFileLoadTest, LoadsTheBytesUnchanged)
{
    writeWholeFile(listPath_, GetParam().fileBytes);
    urllist::UrlListFile listFile(folder_);
    EXPECT_EQ(listFile.loadUrlListText(), GetParam().listText);
    // A load never changes the file.
    EXPECT_EQ(readWholeFile(listPath_), GetParam().fileBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UrlListFileLoadTest,
    testing::Values(
        LoadCase{"ZeroBytes", "", ""},
        LoadCase{"ZeroByteInside", std::string("http://a.cn\r\n\0http://b.cn", 25),
                 "http://a.cn\r\n"},
        LoadCase{"Utf8ByteOrderMarkKept", "\xEF\xBB\xBFhttp://a.cn\r\n",
                 "\xEF\xBB\xBFhttp://a.cn\r\n"},
        LoadCase{"LfOnlyKept", "http://a.cn\nhttp://b.cn\n", "http://a.cn\nhttp://b.cn\n"},
        LoadCase{"CrLfAtTheEndKept", "http://a.cn\r\n网址\r\n", "http://a.cn\r\n网址\r\n"},
        LoadCase{"LargeFile", std::string(3000000, 'x') + "\r\nhttp://a.cn",
                 std::string(3000000, 'x') + "\r\nhttp://a.cn"}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

struct SaveCase {
    const char* name;
    std::string listText;
    std::string fileBytes;
};

void PrintTo(const SaveCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class UrlListFileSaveTest : public UrlListFileTest, public testing::WithParamInterface<SaveCase> {};

TEST_P(UrlListFileSaveTest, ReplacesTheContentWithTheTextsBytes)
{
    writeWholeFile(listPath_, "http://old.cn/a-longer-old-list\r\nhttp://old.cn/b\r\n");
    urllist::UrlListFile listFile(folder_);
    listFile.loadUrlListText();
    listFile.saveUrlListText(GetParam().listText);
    EXPECT_EQ(readWholeFile(listPath_), GetParam().fileBytes);
    expectOnlyTheListFile();
}

TEST_P(UrlListFileSaveTest, CreatesAnAbsentFileWithTheTextsBytes)
{
    urllist::UrlListFile listFile(folder_);
    listFile.loadUrlListText();
    listFile.saveUrlListText(GetParam().listText);
    EXPECT_EQ(readWholeFile(listPath_), GetParam().fileBytes);
    expectOnlyTheListFile();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UrlListFileSaveTest,
    testing::Values(SaveCase{"EmptyTextGivesZeroBytes", "", ""},
                    SaveCase{"NoFinalBreakAdded", "http://a.cn\r\nhttp://b.cn",
                             "http://a.cn\r\nhttp://b.cn"},
                    SaveCase{"CrLfAtTheEndWrittenLast", "http://a.cn\r\n", "http://a.cn\r\n"},
                    SaveCase{"LfOnlyNotConverted", "http://a.cn\nx\n", "http://a.cn\nx\n"},
                    SaveCase{"GbkNotConverted", "网址\r\n\x80", "网址\r\n\x80"},
                    SaveCase{"TextEndsAtAZeroByte", std::string("http://a\0tail", 13), "http://a"},
                    SaveCase{"LargeText", std::string(3000000, 'y'), std::string(3000000, 'y')}),
    [](const testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.name); });

TEST_F(UrlListFileTest, SavedTextLoadsBackThroughAnotherObject)
{
    const std::string text = "笔记\r\nhttp://a.cn/网址?x=1\t\r\n\r\nhttp://b.cn";
    urllist::UrlListFile(folder_).saveUrlListText(text);
    EXPECT_EQ(urllist::UrlListFile(folder_).loadUrlListText(), text);
}

TEST_F(UrlListFileTest, ReadOnlyFileStaysAsItWas)
{
    const std::string old = "http://old.cn\r\n";
    writeWholeFile(listPath_, old);
    ASSERT_TRUE(SetFileAttributesA(listPath_.c_str(), FILE_ATTRIBUTE_READONLY));
    urllist::UrlListFile listFile(folder_);
    EXPECT_EQ(listFile.loadUrlListText(), old);
    listFile.saveUrlListText("http://new.cn");
    listFile.saveUrlListText("");
    EXPECT_EQ(readWholeFile(listPath_), old);
    EXPECT_NE(GetFileAttributesA(listPath_.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    expectOnlyTheListFile();
}

struct HoldCase {
    const char* name;
    DWORD access;
    DWORD share;
};

void PrintTo(const HoldCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class UrlListFileHeldTest : public UrlListFileTest, public testing::WithParamInterface<HoldCase> {};

// Held open by another program in any way: the save leaves the file alone,
// and the next save after the other program lets go writes it.
TEST_P(UrlListFileHeldTest, FileHeldByAnotherProcessStaysAsItWas)
{
    const std::string old = "http://old.cn\r\n";
    writeWholeFile(listPath_, old);
    urllist::UrlListFile listFile(folder_);
    {
        FileHolder holder(listPath_, GetParam().access, GetParam().share);
        listFile.saveUrlListText("http://new.cn");
        listFile.saveUrlListText("");
    }
    EXPECT_EQ(readWholeFile(listPath_), old);
    expectOnlyTheListFile();
    listFile.saveUrlListText("http://new.cn");
    EXPECT_EQ(readWholeFile(listPath_), "http://new.cn");
}

INSTANTIATE_TEST_SUITE_P(
    ShareModes, UrlListFileHeldTest,
    testing::Values(HoldCase{"ReadNoSharing", GENERIC_READ, 0},
                    HoldCase{"WriteNoSharing", GENERIC_WRITE, 0},
                    HoldCase{"ReadSharingReadOnly", GENERIC_READ, FILE_SHARE_READ},
                    HoldCase{"ReadSharingEverything", GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE},
                    HoldCase{"WriteSharingEverything", GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE}),
    [](const testing::TestParamInfo<HoldCase>& info) { return std::string(info.param.name); });

class UrlListFileUnreadableTest : public UrlListFileTest,
                                  public testing::WithParamInterface<HoldCase> {};

// A file that could not be read whole loads as the empty text and is never
// saved over by that object, even after the other program let go.
TEST_P(UrlListFileUnreadableTest, FileThatCouldNotBeReadIsNeverSavedOver)
{
    const std::string old = "http://old.cn\r\n网址\r\n";
    writeWholeFile(listPath_, old);
    urllist::UrlListFile listFile(folder_);
    {
        FileHolder holder(listPath_, GetParam().access, GetParam().share);
        EXPECT_EQ(listFile.loadUrlListText(), "");
    }
    listFile.saveUrlListText("");
    listFile.saveUrlListText("http://new.cn");
    EXPECT_EQ(readWholeFile(listPath_), old);
    expectOnlyTheListFile();
    // The list is still there for the next run.
    EXPECT_EQ(urllist::UrlListFile(folder_).loadUrlListText(), old);
}

INSTANTIATE_TEST_SUITE_P(
    ShareModes, UrlListFileUnreadableTest,
    testing::Values(HoldCase{"WriteNoSharing", GENERIC_WRITE, 0},
                    HoldCase{"WriteSharingWrite", GENERIC_WRITE, FILE_SHARE_WRITE},
                    HoldCase{"WriteSharingEverything", GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE},
                    HoldCase{"ReadNoSharing", GENERIC_READ, 0}),
    [](const testing::TestParamInfo<HoldCase>& info) { return std::string(info.param.name); });

// A zero byte ends the text: the bytes behind it are not loaded, and the file
// is kept for them. A list saved as UTF-16 is the common case.
TEST_F(UrlListFileTest, FileWithAZeroByteLoadsTheTextBeforeItAndIsNeverSavedOver)
{
    const std::string utf16("\xFF\xFEh\0t\0t\0p\0:\0/\0/\0a\0", 18);
    const std::string withZero("http://a.cn\r\n\0http://b.cn", 25);
    for (const std::string& old : {utf16, withZero}) {
        writeWholeFile(listPath_, old);
        urllist::UrlListFile listFile(folder_);
        EXPECT_EQ(listFile.loadUrlListText(), old.substr(0, old.find('\0')));
        listFile.saveUrlListText(old.substr(0, old.find('\0')));
        listFile.saveUrlListText("http://new.cn");
        EXPECT_EQ(readWholeFile(listPath_), old);
        expectOnlyTheListFile();
    }
}

// 2 GiB and more does not fit the text's 32-bit signed length.
TEST_F(UrlListFileTest, FileTooLargeToLoadIsNeverSavedOver)
{
    {
        platform::UniqueFile file(CreateFileA(listPath_.c_str(), GENERIC_WRITE, 0, nullptr,
                                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(file.get(), "http://a.cn", 11, &written, nullptr));
        LARGE_INTEGER size;
        size.QuadPart = LONGLONG{1} << 31;
        ASSERT_TRUE(SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(file.get()));
    }
    urllist::UrlListFile listFile(folder_);
    EXPECT_EQ(listFile.loadUrlListText(), "");
    listFile.saveUrlListText("");
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExA(listPath_.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeHigh, 0u);
    EXPECT_EQ(data.nFileSizeLow, 0x80000000u);
    expectOnlyTheListFile();
}

// A load that found no file does not stop the saves.
TEST_F(UrlListFileTest, FileCreatedAfterAnEmptyLoadIsSavedOver)
{
    urllist::UrlListFile listFile(folder_);
    EXPECT_EQ(listFile.loadUrlListText(), "");
    writeWholeFile(listPath_, "http://other.cn");
    listFile.saveUrlListText("http://new.cn");
    EXPECT_EQ(readWholeFile(listPath_), "http://new.cn");
}

// A temporary file left over from an interrupted save is taken over.
TEST_F(UrlListFileTest, LeftoverTemporaryFileIsReplaced)
{
    writeWholeFile(listPath_ + ".tmp", "half a list");
    urllist::UrlListFile listFile(folder_);
    listFile.saveUrlListText("http://new.cn");
    EXPECT_EQ(readWholeFile(listPath_), "http://new.cn");
    expectOnlyTheListFile();
}

// The list file beside the program.
TEST(UrlListFileBesideProgram, DefaultPathIsInTheProgramFolder)
{
    EXPECT_EQ(urllist::UrlListFile::besideProgram().path(), programFolder() + "\\" + kListFileName);
    EXPECT_EQ(urllist::programDirectory(), programFolder());
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// Driven by url_list_file_linux_test.sh: the folder lies on a file system
// that is nearly full. A save that runs out of room leaves the old list whole
// and no temporary file behind.
TEST(LinuxSideFullDisk, SaveThatRunsOutOfRoomLeavesTheOldListWhole)
{
    const std::string folder = environment("VARNELLE_FULL_DISK_FOLDER");
    ASSERT_FALSE(folder.empty()) << "run through url_list_file_linux_test.sh";
    const std::string listPath = folder + "\\" + kListFileName;
    const std::string old = "http://old.cn/\r\n网址\r\n";

    urllist::UrlListFile listFile(folder);
    listFile.saveUrlListText(old);
    ASSERT_EQ(readWholeFile(listPath), old);

    const std::string tooLarge = std::string(4 * 1024 * 1024, 'n') + "\r\nhttp://new.cn";
    listFile.saveUrlListText(tooLarge);
    EXPECT_EQ(readWholeFile(listPath), old);
    EXPECT_EQ(folderContents(folder), std::vector<std::string>{kListFileName});
}

// Driven by url_list_file_linux_test.sh, which starts a copy of this program
// from a folder whose path is longer than MAX_PATH and passes that folder.
TEST(LinuxSideLongPath, ProgramDirectoryIsNotCutShort)
{
    const std::string expected = environment("VARNELLE_EXPECTED_PROGRAM_DIRECTORY");
    ASSERT_FALSE(expected.empty()) << "run through url_list_file_linux_test.sh";
    EXPECT_GT(expected.size(), static_cast<std::size_t>(MAX_PATH));
    EXPECT_EQ(urllist::programDirectory(), expected);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 7 && std::strcmp(argv[1], "--hold") == 0) {
        return holdFile(argv + 2);
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
