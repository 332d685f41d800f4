// The file-bytes rules and the program folder taken from a module path.
#include "urllist/list_file_bytes.h"
#include "urllist/program_directory.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

void checkFileBytes(std::string_view fileBytes)
{
    const std::string text = urllist::listTextFromFileBytes(std::string(fileBytes));
    // The text is the file's bytes up to, not including, the first zero byte.
    check(text.find('\0') == std::string::npos);
    check(fileBytes.substr(0, text.size()) == text);
    check(text.size() == fileBytes.size() || fileBytes[text.size()] == '\0');
    // Saved again, the text gives the same bytes back.
    check(urllist::fileBytesFromListText(text) == text);
    check(urllist::listTextFromFileBytes(std::string(urllist::fileBytesFromListText(fileBytes))) ==
          text);
}

void checkProgramDirectory(std::string_view modulePath)
{
    const std::string directory = urllist::programDirectoryFromModulePath(modulePath);
    if (directory == ".") {
        return;
    }
    // A prefix of the path that stops right before a backslash on a character
    // boundary, with no such backslash after it.
    check(modulePath.substr(0, directory.size()) == directory);
    check(directory.size() < modulePath.size() && modulePath[directory.size()] == '\\');
    bool onBoundary = false;
    std::size_t position = 0;
    while (position < modulePath.size()) {
        const auto byte = static_cast<unsigned char>(modulePath[position]);
        onBoundary = onBoundary || position == directory.size();
        check(!(byte == '\\' && position > directory.size()));
        position += byte >= 0x80 ? 2 : 1;
    }
    check(onBoundary);
    check(urllist::urlListFilePath(directory).compare(0, directory.size() + 1,
                                                      std::string(directory) + "\\") == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkFileBytes(input);
    checkProgramDirectory(input);
    return 0;
}
