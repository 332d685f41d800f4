#include "urllist/program_directory.h"

#include <cstddef>

namespace urllist {

std::string programDirectoryFromModulePath(std::string_view modulePath)
{
    std::size_t lastBackslash = std::string_view::npos;
    std::size_t position = 0;
    while (position < modulePath.size()) {
        const auto byte = static_cast<unsigned char>(modulePath[position]);
        if (byte == '\\') {
            lastBackslash = position;
        }
        position += byte >= 0x80 ? 2 : 1;
    }
    if (lastBackslash == std::string_view::npos) {
        return ".";
    }
    return std::string(modulePath.substr(0, lastBackslash));
}

std::string urlListFilePath(std::string_view programDirectory)
{
    std::string path(programDirectory);
    path += "\\网址.txt";
    return path;
}

} // namespace urllist
