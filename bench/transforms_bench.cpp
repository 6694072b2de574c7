// Throughput of the text actions' transformations on 1 MB and 10 MB of mixed clipboard-like
// text. `transforms_bench --dump-input FILE` writes the 10 MB input instead, so other tools
// (bench/transforms_vs_python.sh) can run on exactly the same text.

#include "platform/string_operations.h"
#include "textactions/rich_document.h"
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

// The mixed text as a browser's HTML: every third word in <b>, a paragraph every 40 words; the
// rich rewrite parses, transforms every paragraph's runs and writes the document again.
std::string htmlOf(std::string_view text)
{
    std::string html = "<meta charset=\"utf-8\"><p>";
    for (std::size_t start = 0, word = 0; start < text.size(); ++word) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        std::string escaped;
        for (const char byte : text.substr(start, end - start))
            escaped += byte == '<' ? "&lt;" : (byte == '&' ? "&amp;" : std::string(1, byte));
        html += word % 3 == 0 ? "<b>" + escaped + "</b> " : escaped + (word % 40 == 39 ? "</p><p>" : " ");
        start = end + 1;
    }
    return html + "</p>";
}

void richHtml(benchmark::State &state)
{
    const std::string html = htmlOf(inputOfSize(state.range(0)));
    for (auto _ : state) {
        auto output = nimbrel::rewriteDocument(nimbrel::RichFormat::html, html, nimbrel::Transformation::capitalize);
        benchmark::DoNotOptimize(output->data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(html.size()));
}

void sizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(oneMegabyte)->Arg(tenMegabytes)->Unit(benchmark::kMillisecond);
}

BENCHMARK(transform<nimbrel::uppercaseString>)->Name("uppercase")->Apply(sizes);
BENCHMARK(richHtml)->Name("capitalizeRichHtml")->Apply(sizes);
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
