// The byte rules around the load and the save of a 100 MB list file.
#include "list_text_generator.h"
#include "urllist/list_file_bytes.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <utility>

namespace {

constexpr std::size_t kFileSize = 100 * 1000 * 1000;

// As the load applies it: on the buffer just read, moved in.
void BM_ListTextFromFileBytes(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::string bytes = bench::listTextOfMegabytes(100);
        state.ResumeTiming();
        benchmark::DoNotOptimize(urllist::listTextFromFileBytes(std::move(bytes)));
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
