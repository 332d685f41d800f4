#include "urllist/list_file_bytes.h"

#include <cstring>

namespace urllist {
namespace {

std::string_view beforeFirstZero(std::string_view bytes)
{
    const void* zero = std::memchr(bytes.data(), '\0', bytes.size());
    if (zero == nullptr) {
        return bytes;
    }
    return bytes.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - bytes.data()));
}

} // namespace

std::string listTextFromFileBytes(std::string fileBytes)
{
    fileBytes.resize(beforeFirstZero(fileBytes).size());
    return fileBytes;
}

std::string_view fileBytesFromListText(std::string_view listText)
{
    return beforeFirstZero(listText);
}

} // namespace urllist
