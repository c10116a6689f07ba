// The import of a large DELTA dataset, as "sporix-key import-delta" does it: reading the
// directives, converting, writing the genus and checking the key. The generated dataset
// is about the size of the largest public ones (argument: megabytes); its texts hold
// comments, a "<" in a state text, and values over several lines.
#include <benchmark/benchmark.h>

#include <sstream>

#include "DeltaConversion.h"
#include "KeyTool.h"
#include "TempFolder.h"

namespace sporix {
namespace {

constexpr int kCharacters = 400;
constexpr int kNumericEvery = 5;  // every fifth character is numeric
constexpr int kStatesPerCharacter = 6;

std::string generatedCharacters() {
    std::string chars = "*CHARACTER LIST\r\n";
    std::string types = "*CHARACTER TYPES";
    for (int c = 1; c <= kCharacters; ++c) {
        chars += "#" + std::to_string(c) + ". feature " + std::to_string(c) + " <as seen under a lens>/\r\n";
        if (c % kNumericEvery == 0) {
            chars += "   um/\r\n";
            types += " " + std::to_string(c) + ",RN";
            continue;
        }
        for (int s = 1; s <= kStatesPerCharacter; ++s)
            chars += "   " + std::to_string(s) + ". state " + std::to_string(s) + " in few (<3) places/\r\n";
    }
    return chars + types + "\r\n";
}

std::string generatedItems(std::size_t bytes) {
    std::string items = "*ITEM DESCRIPTIONS\r\n";
    for (int i = 1; items.size() < bytes; ++i) {
        items += "# Genus species" + std::to_string(i) + " <a made-up taxon>/\r\n  ";
        for (int c = 1; c <= kCharacters; ++c) {
            if (c % kNumericEvery == 0) {
                items += std::to_string(c) + ",4.5-6.0";
            } else {
                items += std::to_string(c) + "," + std::to_string(1 + (i + c) % kStatesPerCharacter) + "/" +
                         std::to_string(1 + (i * c) % kStatesPerCharacter) + "<rarely>";
            }
            items += c % 10 == 0 ? "\r\n  " : " ";
        }
        items += "\r\n";
    }
    return items;
}

void writeDataset(const test::TempFolder& folder, std::size_t megabytes) {
    folder.write("specs", "*SHOW ~ generated\r\n*NUMBER OF CHARACTERS " + std::to_string(kCharacters) + "\r\n");
    folder.write("chars", generatedCharacters());
    folder.write("items", generatedItems(megabytes << 20));
}

void BM_ReadAndConvert(benchmark::State& state) {
    const std::vector<authoring::delta::DatasetFile> files = {
        {"chars", generatedCharacters()}, {"items", generatedItems(static_cast<std::size_t>(state.range(0)) << 20)}};
    for (auto _ : state) {
        const auto dataset = authoring::delta::readDataset(files);
        auto conversion = authoring::delta::convertDataset(dataset, {{}, "GENUS", "Genus", "Gen"});
        benchmark::DoNotOptimize(conversion);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (state.range(0) << 20));
}
BENCHMARK(BM_ReadAndConvert)->Arg(10)->Unit(benchmark::kSecond);

void BM_ImportDeltaCommand(benchmark::State& state) {
    test::TempFolder dataset;
    writeDataset(dataset, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto key = std::make_unique<test::TempFolder>();
        std::ostringstream out;
        std::ostringstream err;
        state.ResumeTiming();
        const int status = keytool::runKeyTool({"import-delta", dataset.path().string(), "--into", key->path().string(),
                                                "--genus-folder", "GENUS", "--with-language-files"},
                                               {out, err});
        if (status != 0) state.SkipWithError(("import-delta: " + err.str()).c_str());
        state.PauseTiming();
        key.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportDeltaCommand)->Arg(10)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace sporix

BENCHMARK_MAIN();
