#pragma once
// Made-up list texts for the benchmarks, the way people keep them: addresses,
// notes in English and Chinese, blank lines, now and then a very long line.

#include <cstddef>
#include <cstdint>
#include <string>

namespace bench {

// A list text of exactly `size` bytes with CR LF between lines. The same size
// always gives the same text.
std::string generateListText(std::size_t size);

// The list text of 1, 10 or 100 MB (10^6 bytes), made once per run.
const std::string& listTextOfMegabytes(std::int64_t megabytes);

} // namespace bench
