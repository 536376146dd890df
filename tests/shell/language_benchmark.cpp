// What loading a language costs, and the lookups of a full retranslation. Run from the
// native-release build:
//   build/.../native-release/tests/shell/language_benchmark
// The aims: loading the shipped German file and retranslating every text take well under a
// millisecond each; a hostile 1 MiB file (the largest that is loaded) costs no more than a few
// milliseconds, where asking each key of the lines in turn (KeyByKey) would take far longer.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "shell/ini_lines.h"
#include "shell/language_file.h"
#include "shell/language_texts.h"
#include "support/utf16.h"

namespace tockly {
namespace {

std::vector<std::uint8_t> GermanFile() {
    std::ifstream stream(std::filesystem::path(TOCKLY_LANGUAGE_BUILD_DIR) / "Deutsch.lng",
                         std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), {}};
}

// The largest file that is loaded, made of the shortest lines that still look like keys.
std::vector<std::uint8_t> HostileFile() {
    std::u16string text = u"LANGUAGE=Hostile\r\n";
    while (text.size() * 2 < kMaxLanguageFileBytes - 16) {
        text += u"G=x\r\n";
    }
    return EncodeUtf16Le(text);
}

void Load(benchmark::State& state, const std::vector<std::uint8_t>& bytes) {
    LanguageTexts texts;
    texts.Select(texts.AddLanguageFile(u"file.lng", bytes).value_or(u""));
    for (auto _ : state) {
        texts.LoadSelectedFrom(bytes);
        benchmark::DoNotOptimize(texts.Text(kLanguageNameNumber));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK_CAPTURE(Load, shipped_german, GermanFile())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Load, hostile_1_mib, HostileFile())->Unit(benchmark::kMillisecond);

// The plain way: each key of the table asks the lines in turn.
void KeyByKey(benchmark::State& state, const std::vector<std::uint8_t>& bytes) {
    for (auto _ : state) {
        const std::u16string text = DecodeUtf16Le(bytes);
        const auto lines = SplitIniLines(text);
        for (const LanguageEntry& entry : LanguageEntries()) {
            benchmark::DoNotOptimize(FindIniValue(lines, entry.key));
        }
    }
}
BENCHMARK_CAPTURE(KeyByKey, hostile_1_mib, HostileFile())->Unit(benchmark::kMillisecond);

void RetranslateEverything(benchmark::State& state) {
    LanguageTexts texts;
    const std::vector<std::uint8_t> german = GermanFile();
    texts.Select(texts.AddLanguageFile(u"Deutsch.lng", german).value_or(u""));
    texts.LoadSelectedFrom(german);
    for (auto _ : state) {
        for (const LanguageEntry& entry : LanguageEntries()) {
            benchmark::DoNotOptimize(texts.Text(entry.number));
        }
    }
}
BENCHMARK(RetranslateEverything)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tockly

BENCHMARK_MAIN();
