#include <algorithm>
#include <vector>

#include "GenusLoader.h"
#include "Scoring.h"
#include "Search.h"
#include "ShortText.h"
#include "SpeciesFile.h"

namespace sporix {

namespace {

void prepareWindow(Context& c) {
    MainWindowView& main = c.main();
    main.image1Visible = false;
    main.checkListVisible = true;
    main.listBox1Visible = true;
    main.listBox2Visible = true;
    main.label43Enabled = true;
    main.label43Caption = c.text(9);
    main.label44Enabled = true;
    main.stepback1.enabled = false;
}

// The scores of every record, and its name line, which the result rows take their names
// and codes from: one pass over the file serves both.
struct ScoringPass {
    std::vector<RankedRecord> scored;
    std::vector<std::string> nameLines;  // by record number - 1
};

ScoringPass scoreRecords(Context& c, std::streambuf& file, const std::string& key) {
    const int characterCount = c.state.genus.characterCount;
    SpeciesReader reader(file, c.state.genus.recordShape());
    ScoringPass pass;
    auto& scored = pass.scored;
    std::string valueLine;
    do {
        if (static_cast<int>(scored.size()) == kMaxSpecies) {
            noteSpeciesOverLimit(c);
            break;
        }
        reader.readLine(pass.nameLines.emplace_back());
        int chosenCount = 0;
        long long sum = 0;
        for (int i = 0; i < characterCount; ++i) {
            const char code = static_cast<std::size_t>(i) < key.size() ? key[static_cast<std::size_t>(i)] : ' ';
            if (countsAsChosen(code)) ++chosenCount;
            reader.readLine(valueLine);
            sum += valueLineWeight(valueLine, upperCase(code));
        }
        reader.skipUnusedValueLines();
        scored.push_back({static_cast<int>(scored.size()) + 1, percentOf(sum, chosenCount)});
    } while (!reader.atEnd());
    return pass;
}

std::string threeDigits(int percent) {
    std::string text = std::to_string(percent);
    return std::string(3 - text.size(), '0') + text;
}

// The shown percentage: two digits below 100, three from 100 on.
std::string shownPercent(int percent) {
    const std::string text = threeDigits(percent);
    return percent < 100 ? text.substr(1) : text;
}

void fillResultTable(Context& c, const std::vector<RankedRecord>& ranked, const std::vector<std::string>& nameLines) {
    const std::size_t rows = std::min<std::size_t>(kResultRows, ranked.size());
    for (std::size_t k = 0; k < rows; ++k) {
        const std::string& nameLine = nameLines[static_cast<std::size_t>(ranked[k].record - 1)];
        ResultRow& row = c.state.results.rows[k];
        row.speciesCode = std::string(speciesCode(nameLine));
        row.displayName = cut(displayName(nameLine), kResultNameWidth);
        row.percentText = shownPercent(ranked[k].percent);
    }
}

void listBestSpecies(Context& c, const std::vector<RankedRecord>& ranked) {
    MainWindowView& main = c.main();
    SearchState& search = c.state.search;
    c.state.results.listPrefix = std::string(1, c.state.currentGenus.folder.front()) + ".";
    main.listBox1.clear();
    main.listBox2.clear();
    search.listedCount = 0;
    const std::size_t shown = std::min<std::size_t>(kMaxListed, ranked.size());
    for (std::size_t k = 0; k < shown; ++k) {
        if (ranked[k].percent < 1) continue;
        const ResultRow& row = c.state.results.rows[k];
        main.listBox1.push_back(c.state.results.listPrefix + row.displayName);
        main.listBox2.push_back(row.percentText);
        ++search.listedCount;
    }
    fillCheckList(c);
    if (search.listedCount == 0) {
        main.listBox1.assign(1, c.text(8));
        main.listBox2.clear();
    }
}

}  // namespace

void searchAllSpecies(Context& c, const std::string& searchKey) {
    prepareWindow(c);
    ScoringPass pass;
    {
        auto file = c.folder.openForReading(c.state.genus.speciesFileName);
        if (!file) {
            c.messages.showMessage(c.state.genus.speciesFileName + " " + c.text(7));
            return;
        }
        pass = scoreRecords(c, *file, searchKey);
    }
    std::vector<RankedRecord>& ranked = pass.scored;
    c.state.genus.speciesCount = static_cast<int>(ranked.size());
    // Highest percentage first; for equal ones the later record first.
    std::sort(ranked.begin(), ranked.end(), ranksBefore);
    fillResultTable(c, ranked, pass.nameLines);
    listBestSpecies(c, ranked);
}

}  // namespace sporix
