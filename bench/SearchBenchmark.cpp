// What the user waits for after a keystroke, on the largest genus the tables hold:
// 350 species, 42 characters, 20 states. Each search reads the species file afresh, and so
// does the advice after it; the yardstick is one plain read of that file, split into lines.
#include <benchmark/benchmark.h>

#include "Advisor.h"
#include "ClearAll.h"
#include "LineReader.h"
#include "MaximalGenus.h"
#include "RestSearch.h"
#include "Search.h"

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

// The engine's handlers on a copy of the program's state, so that a search and the advice
// after it are timed apart (the program runs both after every choice).
struct Engine {
    explicit Engine(MaximalGenus& genus)
        : state(genus.program.state()), context{state, genus.work, genus.messages, genus.pictures} {}
    void choose(const std::vector<std::string>& texts) {
        for (std::size_t row = 0; row < texts.size(); ++row) state.views.main.rows[row].comboText = texts[row];
        searchautomatic1Click(context);
    }

    ProgramState state;
    Context context;
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
    Engine engine(genus);
    const auto texts = genus.choices(10);
    for (auto _ : state) engine.choose(texts);
    state.counters["listed"] = static_cast<double>(engine.state.views.main.listBox1.size());
}
BENCHMARK(SearchOverAllSpecies)->Unit(benchmark::kMicrosecond);

// The advice alone, after `chosen` choices in the kind of searching `kind`.
void timeAdvice(benchmark::State& state, int kind, int chosen) {
    MaximalGenus genus;
    genus.setKind(kind);
    Engine engine(genus);
    engine.choose(genus.choices(chosen));
    for (auto _ : state) updateAdvice(engine.context);
    state.counters["best"] = static_cast<double>(engine.state.advice.bestCharacters.size());
    state.counters["near"] = static_cast<double>(engine.state.advice.nearMisses.size());
}

// The advice after that search: candidates within 15 points, the first place tested
// without each of the 10 choices, the best characters.
void AdviceAfterSearchOverAllSpecies(benchmark::State& state) { timeAdvice(state, 1, 10); }
BENCHMARK(AdviceAfterSearchOverAllSpecies)->Unit(benchmark::kMicrosecond);

// One choice after a Clear all, so that every species is a rest species before it.
void RestSpeciesSearch(benchmark::State& state) {
    MaximalGenus genus;
    genus.setKind(2);
    Engine engine(genus);
    const auto texts = genus.choices(1);
    for (auto _ : state) {
        state.PauseTiming();
        clearAll(engine.context);
        state.ResumeTiming();
        engine.choose(texts);
    }
    state.counters["listed"] = static_cast<double>(engine.state.views.main.listBox1.size());
}
BENCHMARK(RestSpeciesSearch)->Unit(benchmark::kMicrosecond);

// The advice after that choice: every removed species is a near miss, and the best
// characters are weighed over the rest species.
void AdviceAfterRestSpeciesSearch(benchmark::State& state) { timeAdvice(state, 2, 1); }
BENCHMARK(AdviceAfterRestSpeciesSearch)->Unit(benchmark::kMicrosecond);

// Three choices, then the step back that undoes the third.
void StepBack(benchmark::State& state) {
    MaximalGenus genus;
    genus.setKind(2);
    Engine engine(genus);
    for (auto _ : state) {
        state.PauseTiming();
        clearAll(engine.context);
        for (int chosen = 1; chosen <= 3; ++chosen) engine.choose(genus.choices(chosen));
        state.ResumeTiming();
        stepback1Click(engine.context);
    }
}
BENCHMARK(StepBack)->Unit(benchmark::kMicrosecond);

// A whole choice as the program runs it: the search, then the advice, then the controls'
// names.
void ChoiceWithAdvice(benchmark::State& state) {
    MaximalGenus genus;
    genus.setKind(1);
    const auto texts = genus.choices(10);
    for (auto _ : state) genus.program.ComboBoxChange(texts);
}
BENCHMARK(ChoiceWithAdvice)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sporix

BENCHMARK_MAIN();
