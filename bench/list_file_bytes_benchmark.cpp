// The byte rules around the load and the save of a 100 MB list file.
#include "list_text_generator.h"
#include "urllist/list_file_bytes.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

namespace {

constexpr std::size_t kFileSize = 100 * 1000 * 1000;

void BM_ListTextFromFileBytes(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(urllist::listTextFromFileBytes(bench::listTextOfMegabytes(100)));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileSize));
}
BENCHMARK(BM_ListTextFromFileBytes)->Unit(benchmark::kMillisecond);

void BM_FileBytesFromListText(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(urllist::fileBytesFromListText(bench::listTextOfMegabytes(100)));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileSize));
}
BENCHMARK(BM_FileBytesFromListText)->Unit(benchmark::kMillisecond);

} // namespace
