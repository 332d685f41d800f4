// Writes the benchmarks' list text of a given size to a file, so that other
// tools can be timed on the very same bytes.
//   varnelle_write_list_text FILE MEGABYTES
#include "list_text_generator.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FILE MEGABYTES\n", argv[0]);
        return 2;
    }
    const std::size_t size = std::strtoul(argv[2], nullptr, 10) * 1000 * 1000;
    const std::string text = bench::generateListText(size);
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written ? 0 : 1;
}
