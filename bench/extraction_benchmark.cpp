// Extraction throughput over list texts of 1, 10 and 100 MB.
#include "list_text_generator.h"
#include "reference_extraction.h"
#include "urllist/split_text.h"
#include "urllist/url_extractor.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

namespace {

void BM_ExtractUrls(benchmark::State& state)
{
    const std::string& text = bench::listTextOfMegabytes(state.range(0));
    std::int32_t urlCount = 0;
    for (auto _ : state) {
        urllist::UrlExtraction extraction = urllist::extractUrls(text);
        urlCount = extraction.urlCount;
        benchmark::DoNotOptimize(extraction);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["urls"] = urlCount;
}
BENCHMARK(BM_ExtractUrls)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// Finding the entries without copying them out: the scan alone.
void BM_ForEachUrlEntry(benchmark::State& state)
{
    const std::string& text = bench::listTextOfMegabytes(state.range(0));
    std::size_t entries = 0;
    for (auto _ : state) {
        entries = 0;
        urllist::forEachUrlEntry(text, [&entries](std::string_view entry) {
            benchmark::DoNotOptimize(entry.data());
            ++entries;
        });
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["urls"] = static_cast<double>(entries);
}
BENCHMARK(BM_ForEachUrlEntry)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// The extraction done step by step (every line split, every taken line split
// again), for comparison.
void BM_ExtractUrlsStepByStep(benchmark::State& state)
{
    const std::string& text = bench::listTextOfMegabytes(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(fuzzref::referenceEntries(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ExtractUrlsStepByStep)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_SplitTextIntoLines(benchmark::State& state)
{
    const std::string& text = bench::listTextOfMegabytes(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(urllist::splitText(text, "\r\n"));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SplitTextIntoLines)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
