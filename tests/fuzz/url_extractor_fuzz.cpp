// extractUrls against the step-by-step extraction built from splitText.
#include "reference_extraction.h"
#include "urllist/url_extractor.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view listText(reinterpret_cast<const char*>(data), size);
    const urllist::UrlExtraction extraction = urllist::extractUrls(listText);
    check(extraction.entries == fuzzref::referenceEntries(listText));
    check(extraction.urlCount == static_cast<std::int32_t>(extraction.entries.size()));
    check(extraction.countCaption == urllist::countCaption(extraction.urlCount));
    for (const std::string& entry : extraction.entries) {
        check(entry.size() > 7 || entry == "http://");
        check(entry.compare(0, 7, "http://") == 0);
        check(listText.find(entry) != std::string_view::npos);
    }
    // The visited entries are the same, as views into the text itself.
    std::size_t visited = 0;
    urllist::forEachUrlEntry(listText, [&](std::string_view entry) {
        check(visited < extraction.entries.size() && entry == extraction.entries[visited]);
        check(entry.data() >= listText.data() &&
              entry.data() + entry.size() <= listText.data() + listText.size());
        ++visited;
    });
    check(visited == extraction.entries.size());
    return 0;
}
