#include "urllist/module_file_name.h"

#include "urllist/program_directory.h"

#include <windows.h>

#include <new>

namespace urllist {

std::string moduleFileName()
{
    // Long enough for any path the system can hand out, including "\\?\" ones
    // of 32767 characters at two bytes each.
    constexpr DWORD kLongestPath = 65536;
    try {
        std::string buffer(MAX_PATH, '\0');
        for (;;) {
            const DWORD size = static_cast<DWORD>(buffer.size());
            const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
            if (length == 0) {
                return {};
            }
            // A path that filled the whole buffer may have been cut short.
            if (length < size) {
                buffer.resize(length);
                return buffer;
            }
            if (size >= kLongestPath) {
                return {};
            }
            buffer.resize(static_cast<std::size_t>(size) * 2);
        }
    } catch (const std::bad_alloc&) {
        return {};
    }
}

std::string programDirectory()
{
    return programDirectoryFromModulePath(moduleFileName());
}

} // namespace urllist
