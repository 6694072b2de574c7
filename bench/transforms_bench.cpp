// Throughput of the text actions' transformations on 1 MB and 10 MB of mixed clipboard-like
// text, and of the rich rewrite on real documents and on shapes that were once quadratic. `transforms_bench --dump-input FILE` writes the 10 MB input instead, so other tools
// (bench/transforms_vs_python.sh) can run on exactly the same text.

#include "platform/string_operations.h"
#include "recorded_documents.h"
#include "textactions/rich_document.h"
#include "textactions/text_transformer.h"
#include "textactions/transformations.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

namespace {

constexpr std::int64_t oneMegabyte = 1'000'000;
constexpr std::int64_t tenMegabytes = 10'000'000;

// Deterministic text: mostly ASCII prose with accented Latin, Greek, CJK and emoji words,
// separated by spaces and now and then tabs, line ends, NBSP and double spaces.
std::string mixedText(std::size_t bytes)
{
    static constexpr std::array<std::string_view, 40> words = {
        "the", "quick", "brown", "fox", "jumps", "over", "a", "lazy", "dog", "and", "then", "runs",
        "Clipboard", "Manager", "copies", "text", "into", "every", "window", "it", "finds", "on",
        "Monday", "iPhone", "don't", "e-mail", "42", "(notes)", "café", "naïve", "Straße", "Ärger",
        "façade", "ΟΔΟΣ", "λόγος", "東京", "漢字を", "読む", "😀", "🚀👍",
    };
    static constexpr std::array<std::string_view, 16> separators = {
        " ", " ", " ", " ", " ", " ", " ", " ", " ", " ", ", ", ". ", "\t", "\n", "\u00A0", "  ",
    };
    std::string text;
    text.reserve(bytes + 16);
    std::uint32_t state = 2024;
    const auto next = [&state] {
        state = state * 1664525U + 1013904223U;
        return state >> 8;
    };
    while (text.size() < bytes) {
        text += words[next() % words.size()];
        text += separators[next() % separators.size()];
    }
    // Cut back to a code point boundary so the input is valid UTF-8 of at most the size asked for.
    std::size_t size = bytes;
    while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
        --size;
    text.resize(size);
    return text;
}

const std::string &inputOfSize(std::int64_t bytes)
{
    static const std::string one = mixedText(oneMegabyte);
    static const std::string ten = mixedText(tenMegabytes);
    return bytes == oneMegabyte ? one : ten;
}

template <std::string (*transformation)(std::string_view)>
void transform(benchmark::State &state)
{
    const std::string &input = inputOfSize(state.range(0));
    for (auto _ : state) {
        std::string output = transformation(input);
        benchmark::DoNotOptimize(output.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}

// Real Firefox HTML and Writer RTF: the rich rewrite against the plain rewrite of the text the
// same copy carries, repeated as often. plain_bytes_per_second is the rich rewrite's pace in
// that plain text, to set beside the plain rewrite's bytes_per_second.
template <nimbrel::RichFormat format>
void richRecorded(benchmark::State &state)
{
    const auto recorded = nimbrel::bench::recordedDocument(format, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        auto output = nimbrel::rewriteDocument(format, recorded.document, nimbrel::Transformation::capitalize);
        benchmark::DoNotOptimize(output->data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(recorded.document.size()));
    state.counters["plain_bytes_per_second"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * static_cast<double>(recorded.plainText.size()), benchmark::Counter::kIsRate);
}

template <nimbrel::RichFormat format>
void plainRecorded(benchmark::State &state)
{
    const auto recorded = nimbrel::bench::recordedDocument(format, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::string output = nimbrel::transformedText(nimbrel::Transformation::capitalize, nimbrel::TextLayout::rich,
                                                      recorded.plainText);
        benchmark::DoNotOptimize(output.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(recorded.plainText.size()));
}

// Shapes that cost quadratic time once: their pace at 1 and at 16 MiB must be the same.
struct HostileShape {
    nimbrel::RichFormat format;
    std::string_view head;
    std::string_view unit;
    std::string_view tail;
};
constexpr std::array<HostileShape, 6> hostileShapes{{
    {nimbrel::RichFormat::html, "<p>", "<i> </i>", "</p>"},
    {nimbrel::RichFormat::html, "<p>", "a &b c", "</p>"},
    {nimbrel::RichFormat::html, "<p>", "&amp x", "</p>"},
    {nimbrel::RichFormat::rtf, "{\\rtf1 ", "{\\i }", "}"},
    {nimbrel::RichFormat::rtf, "{\\rtf1 ", "a\\u-99999?\n", "}"},
    {nimbrel::RichFormat::rtf, "{\\rtf1 ", "\\'e9 \\~", "}"},
}};

void hostile(benchmark::State &state)
{
    const HostileShape &shape = hostileShapes[static_cast<std::size_t>(state.range(0))];
    std::string document(shape.head);
    while (document.size() + shape.unit.size() + shape.tail.size() <= static_cast<std::size_t>(state.range(1)))
        document += shape.unit;
    document += shape.tail;
    for (auto _ : state) {
        auto output = nimbrel::rewriteDocument(shape.format, document, nimbrel::Transformation::snakeCase);
        benchmark::DoNotOptimize(output->data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(document.size()));
}

void sizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(oneMegabyte)->Arg(tenMegabytes)->Unit(benchmark::kMillisecond);
}

constexpr std::int64_t sixteenMebibytes = std::int64_t{16} << 20;
void recordedSizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(oneMegabyte)->Arg(tenMegabytes)->Arg(sixteenMebibytes)->Unit(benchmark::kMillisecond);
}

BENCHMARK(transform<nimbrel::uppercaseString>)->Name("uppercase")->Apply(sizes);
BENCHMARK(richRecorded<nimbrel::RichFormat::html>)->Name("capitalizeRich/firefoxHtml")->Apply(recordedSizes);
BENCHMARK(plainRecorded<nimbrel::RichFormat::html>)->Name("capitalizePlain/firefoxText")->Apply(recordedSizes);
BENCHMARK(richRecorded<nimbrel::RichFormat::rtf>)->Name("capitalizeRich/writerRtf")->Apply(recordedSizes);
BENCHMARK(plainRecorded<nimbrel::RichFormat::rtf>)->Name("capitalizePlain/writerText")->Apply(recordedSizes);
BENCHMARK(hostile)->Name("snakeCaseHostile")->ArgsProduct({{0, 1, 2, 3, 4, 5}, {std::int64_t{1} << 20, sixteenMebibytes}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(transform<nimbrel::lowercaseString>)->Name("lowercase")->Apply(sizes);
BENCHMARK(transform<nimbrel::capitalizedString>)->Name("capitalize")->Apply(sizes);
BENCHMARK(transform<nimbrel::snakeCase>)->Name("snakeCase")->Apply(sizes);
BENCHMARK(transform<nimbrel::collapseWhitespace>)->Name("collapseWhitespace")->Apply(sizes);
BENCHMARK(transform<nimbrel::removeAllSpaces>)->Name("removeAllSpaces")->Apply(sizes);

int dumpInput(const char *path)
{
    std::ofstream file(path, std::ios::binary);
    const std::string &input = inputOfSize(tenMegabytes);
    file.write(input.data(), static_cast<std::streamsize>(input.size()));
    return file ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::string_view(argv[1]) == "--dump-input")
        return dumpInput(argv[2]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
