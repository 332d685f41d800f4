#pragma once
// Where the list file lives: the folder of the program's executable.

#include <string>
#include <string_view>

namespace urllist {

// The module path cut at its last backslash, the backslash dropped, so the
// result never ends in one ("C:\Tools\x.exe" gives "C:\Tools", "C:\x.exe"
// gives "C:"). A byte of 0x80 or above begins a two-byte character, whose
// second byte is never taken for a backslash. A path without any backslash
// names a file in the current folder and gives ".".
std::string programDirectoryFromModulePath(std::string_view modulePath);

// The folder of the running program's executable, worked out from the path
// the system reports (GetModuleFileNameA); "." when it reports none. Windows
// builds only.
std::string programDirectory();

// The directory followed by "\网址.txt" (GBK bytes 5C CD F8 D6 B7 2E 74 78 74).
std::string urlListFilePath(std::string_view programDirectory);

} // namespace urllist
