#include "urllist/url_list_file.h"

#include "platform/unique_handle.h"
#include "urllist/list_file_bytes.h"
#include "urllist/program_directory.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <utility>

namespace urllist {
namespace {

// The list text's length is a 32-bit signed count: larger files do not fit.
constexpr LONGLONG kLargestListFile = std::numeric_limits<std::int32_t>::max();

bool isAbsent(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool writeAll(HANDLE file, std::string_view bytes)
{
    constexpr std::size_t kLargestWrite = std::size_t{1} << 30;
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min(bytes.size(), kLargestWrite));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written != chunk) {
            return false;
        }
        bytes.remove_prefix(chunk);
    }
    return true;
}

// The new content on its way to the list file, in the same folder so that it
// can take the list file's place in one step. Removed again unless it has.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path)
        : path_(std::move(path)), file_(CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr,
                                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (created_ && !placed_) {
            file_.reset();
            DeleteFileA(path_.c_str());
        }
    }

    bool isCreated() const { return created_; }

    bool writeAndFlush(std::string_view bytes)
    {
        return writeAll(file_.get(), bytes) && FlushFileBuffers(file_.get());
    }

    bool replace(const std::string& target)
    {
        file_.reset();
        placed_ = MoveFileExA(path_.c_str(), target.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        return placed_;
    }

private:
    std::string path_;
    platform::UniqueFile file_;
    bool created_ = static_cast<bool>(file_);
    bool placed_ = false;
};

} // namespace

UrlListFile::UrlListFile(std::string directory) : path_(urlListFilePath(directory)) {}

UrlListFile UrlListFile::besideProgram()
{
    return UrlListFile(programDirectory());
}

std::string UrlListFile::loadUrlListText()
{
    platform::UniqueFile file(CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        if (!isAbsent(GetLastError())) {
            saveRefused_ = true;
        }
        return {};
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestListFile) {
        saveRefused_ = true;
        return {};
    }
    if (size.QuadPart == 0) {
        return {};
    }
    try {
        std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
            read != bytes.size()) {
            saveRefused_ = true;
            return {};
        }
        file.reset();
        // The text ends at a zero byte; what follows it (most of a list saved
        // as UTF-16, say) is not in the text and would be lost by a save.
        if (bytes.find('\0') != std::string::npos) {
            saveRefused_ = true;
        }
        return listTextFromFileBytes(std::move(bytes));
    } catch (const std::bad_alloc&) {
        saveRefused_ = true;
        return {};
    }
}

void UrlListFile::saveUrlListText(std::string_view listText)
{
    if (saveRefused_) {
        return;
    }
    try {
        // Held without sharing while the new content is written, so that nobody
        // opens it meanwhile. Failing to get it this way is how a read-only file,
        // or one that another program holds open, is recognised and left alone.
        platform::UniqueFile held(CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!held && GetLastError() != ERROR_FILE_NOT_FOUND) {
            return;
        }
        const DWORD attributes = GetFileAttributesA(path_.c_str());
        if (held && (attributes == INVALID_FILE_ATTRIBUTES ||
                     (attributes & FILE_ATTRIBUTE_READONLY) != 0)) {
            return;
        }

        TemporaryFile replacement(path_ + ".tmp");
        if (!replacement.isCreated() ||
            !replacement.writeAndFlush(fileBytesFromListText(listText))) {
            return;
        }
        held.reset();
        replacement.replace(path_);
    } catch (const std::bad_alloc&) {
        // Nothing was replaced; the list file stays as it was.
    }
}

} // namespace urllist
