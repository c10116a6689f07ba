// What the user waits for after a keystroke, on the largest genus the tables hold:
// 350 species, 42 characters, 20 states. Each search reads the species file afresh; the
// yardstick is one plain read of that file, split into lines.
#include <benchmark/benchmark.h>

#include "LineReader.h"
#include "MaximalGenus.h"

namespace sporix {
namespace {

constexpr int kStates = kMaxStates;

class NoMessages : public UserMessages {
public:
    void showMessage(const std::string&) override {}
    void reportError(const std::string& text) override { throw std::runtime_error(text); }
};

// A working folder with the maximal genus, and a program that has loaded it.
struct MaximalGenus {
    MaximalGenus() : work(folder.path()), pictures(work), program(work, messages, pictures) {
        bench::writeMaximalKey(folder);
        program.N31Click();
        program.Genera1Click();
        program.GenusItemClick(1);
    }
    void setKind(int kind) {
        if (kind == 1) program.Usingallspeciesallcharcters1Click();
        else program.Usingrestspeciesafterlastcharacter1Click();
    }
    // The texts of the drop-down lists with the first `chosen` characters set.
    std::vector<std::string> choices(int chosen) const {
        std::vector<std::string> texts(kMaxCharacters);
        const auto& rows = program.views().main.rows;
        for (int c = 0; c < chosen; ++c) texts[static_cast<std::size_t>(c)] = rows[static_cast<std::size_t>(c)].comboItems[static_cast<std::size_t>(c % kStates)];
        return texts;
    }

    test::TempFolder folder;
    WorkFolder work;
    NoMessages messages;
    test::TestPictureLoader pictures;
    KeyProgram program;
};

void PlainReadOfTheSpeciesFile(benchmark::State& state) {
    MaximalGenus genus;
    std::string line;
    for (auto _ : state) {
        auto file = genus.work.openForReading("MAXIMAL.SPE");
        LineReader reader(*file);
        std::size_t lines = 0;
        while (!reader.atEnd()) {
            reader.readLine(line);
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(PlainReadOfTheSpeciesFile)->Unit(benchmark::kMicrosecond);

void SearchOverAllSpecies(benchmark::State& state) {
    MaximalGenus genus;
    genus.setKind(1);
    const auto texts = genus.choices(10);
    for (auto _ : state) genus.program.ComboBoxChange(texts);
    state.counters["listed"] = static_cast<double>(genus.program.views().main.listBox1.size());
}
BENCHMARK(SearchOverAllSpecies)->Unit(benchmark::kMicrosecond);

// One choice after a Clear all, so that every species is a rest species before it.
void RestSpeciesSearch(benchmark::State& state) {
    MaximalGenus genus;
    genus.setKind(2);
    const auto texts = genus.choices(1);
    for (auto _ : state) {
        state.PauseTiming();
        genus.program.ClearAll1Click();
        state.ResumeTiming();
        genus.program.ComboBoxChange(texts);
    }
    state.counters["listed"] = static_cast<double>(genus.program.views().main.listBox1.size());
}
BENCHMARK(RestSpeciesSearch)->Unit(benchmark::kMicrosecond);

// Three choices, then the step back that undoes the third.
void StepBack(benchmark::State& state) {
    MaximalGenus genus;
    genus.setKind(2);
    for (auto _ : state) {
        state.PauseTiming();
        genus.program.ClearAll1Click();
        for (int chosen = 1; chosen <= 3; ++chosen) genus.program.ComboBoxChange(genus.choices(chosen));
        state.ResumeTiming();
        genus.program.Stepback1Click();
    }
}
BENCHMARK(StepBack)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sporix

BENCHMARK_MAIN();
