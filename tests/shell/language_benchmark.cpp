// What choosing and loading a language costs, and the lookups of a full retranslation. Run from
// the native-release build:
//   build/.../native-release/tests/shell/language_benchmark
// The aims: loading the shipped German file and retranslating every text take well under a
// millisecond each; a hostile 1 MiB file (the largest that is loaded) costs no more than a few
// milliseconds, where asking each key of the lines in turn would take far longer.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/ini_lines.h"
#include "shell/language_file.h"
#include "shell/language_texts.h"
#include "support/utf16.h"

namespace tockly {
namespace {

const std::vector<std::uint8_t>& GermanFile() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::ifstream stream(std::filesystem::path(TOCKLY_LANGUAGE_BUILD_DIR) / "Deutsch.lng",
                             std::ios::binary);
        return std::vector<std::uint8_t>{std::istreambuf_iterator<char>(stream), {}};
    }();
    return bytes;
}

// The largest file that is loaded, made of the shortest lines that still look like keys.
const std::vector<std::uint8_t>& HostileFile() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::u16string text = u"LANGUAGE=Hostile\r\n";
        while (text.size() * 2 < kMaxLanguageFileBytes - 16) {
            text += u"G=x\r\n";
        }
        return EncodeUtf16Le(text);
    }();
    return bytes;
}

void ScanHead(benchmark::State& state) {
    for (auto _ : state) {
        LanguageTexts texts;
        benchmark::DoNotOptimize(texts.AddLanguageFile(u"Deutsch.lng", GermanFile()));
    }
}
BENCHMARK(ScanHead);

void LoadFile(benchmark::State& state, const std::vector<std::uint8_t>& bytes) {
    LanguageTexts texts;
    const auto name = texts.AddLanguageFile(u"file.lng", bytes);
    texts.Select(name.value_or(u""));
    for (auto _ : state) {
        texts.LoadSelectedFrom(bytes);
        benchmark::DoNotOptimize(texts.Text(kLanguageNameNumber));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK_CAPTURE(LoadFile, shipped_german, GermanFile())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LoadFile, hostile_1_mib, HostileFile())->Unit(benchmark::kMillisecond);

// The plain way: each key of the table asks the lines in turn.
void LoadHostileKeyByKey(benchmark::State& state) {
    for (auto _ : state) {
        const std::u16string text = DecodeUtf16Le(HostileFile());
        const auto lines = SplitIniLines(text);
        std::size_t found = 0;
        for (const LanguageEntry& entry : LanguageEntries()) {
            found += entry.key.empty() ? 0 : FindIniValue(lines, entry.key).has_value();
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(LoadHostileKeyByKey)->Unit(benchmark::kMillisecond);

void RetranslateEverything(benchmark::State& state) {
    LanguageTexts texts;
    texts.AddLanguageFile(u"Deutsch.lng", GermanFile());
    texts.Select(u"Deutsch");
    texts.LoadSelectedFrom(GermanFile());
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
