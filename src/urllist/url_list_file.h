#pragma once
// "网址.txt", where the list text outlives the program.

#include <string>
#include <string_view>

namespace urllist {

class UrlListFile {
public:
    // No file yet: the program gives it its path once it knows its folder.
    UrlListFile() = default;
    // The list file in the folder of the program's executable.
    static UrlListFile besideProgram();
    // The list file in `directory` (a folder path without a trailing backslash).
    explicit UrlListFile(std::string directory);

    // The file's text, cut at its first zero byte; the empty text when there is
    // no file. A file that exists but cannot be read whole (held open for
    // writing by another program, access denied, too large, a read error)
    // also gives the empty text, and from then on this object never saves
    // over it: the user's list is not wiped because of a failed read.
    std::string loadUrlListText();

    // Replaces the file's content with the text's bytes: no terminator, no
    // conversion, 0 bytes for the empty text. The new bytes go to a temporary
    // file in the same folder that then replaces the list file, so the file
    // holds either the old list or the new one whole. A read-only file, or
    // one that another program holds open, stays as it was. Failures are not
    // reported.
    void saveUrlListText(std::string_view listText);

    const std::string& path() const { return path_; }

private:
    std::string path_;
    bool saveRefused_ = false;
};

} // namespace urllist
