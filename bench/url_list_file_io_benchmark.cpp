// The load and the save of a 100 MB list file through UrlListFile, timed on
// Windows (under Wine here). Google Benchmark is not at hand for MinGW, so
// this times a few rounds itself and prints the best and the median.
//   url_list_file_io_benchmark [FOLDER]   (default: "io" beside the program)
#include "list_text_generator.h"
#include "urllist/module_file_name.h"
#include "urllist/program_directory.h"
#include "urllist/url_list_file.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 5;
constexpr double kMegabyte = 1000.0 * 1000.0;

double secondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

template <typename Work>
void report(const char* name, std::size_t bytes, Work work)
{
    std::vector<double> seconds;
    for (int round = 0; round < kRounds; ++round) {
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        work();
        seconds.push_back(secondsSince(start));
    }
    std::sort(seconds.begin(), seconds.end());
    const double megabytes = static_cast<double>(bytes) / kMegabyte;
    std::printf("%-34s best %8.1f ms (%7.1f MB/s)   median %8.1f ms (%7.1f MB/s)\n", name,
                seconds.front() * 1000, megabytes / seconds.front(), seconds[kRounds / 2] * 1000,
                megabytes / seconds[kRounds / 2]);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder =
        argc > 1 ? std::string(argv[1]) : urllist::programDirectory() + "\\io";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string& text = bench::listTextOfMegabytes(100);

    urllist::UrlListFile listFile(folder);
    std::printf("list file: %s, %zu bytes, %d rounds each\n", listFile.path().c_str(), text.size(),
                kRounds);
    report("saveUrlListText 100 MB", text.size(), [&] { listFile.saveUrlListText(text); });
    std::size_t loaded = 0;
    report("loadUrlListText 100 MB", text.size(),
           [&] { loaded = urllist::UrlListFile(folder).loadUrlListText().size(); });
    DeleteFileA(listFile.path().c_str());
    RemoveDirectoryA(folder.c_str());
    if (loaded != text.size()) {
        std::printf("loaded %zu bytes, expected %zu\n", loaded, text.size());
        return 1;
    }
    return 0;
}
