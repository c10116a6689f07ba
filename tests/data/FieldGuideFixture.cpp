#include "FieldGuideFixture.h"

#include <algorithm>
#include <filesystem>

#include "BundledKey.h"
#include "ByteBuffer.h"
#include "Cp1252.h"
#include "GenusList.h"

namespace sporix::test {

namespace {

namespace fs = std::filesystem;

std::string withoutPadding(const std::string& text) { return text.substr(0, text.find_last_not_of(' ') + 1); }

}  // namespace

int FieldGuideFixture::copyGenus(const std::string& folderName) {
    const fs::path key = bundledKeyFolder();
    for (const char* name : {"genuslst.txt", "InitUK.Txt", "AdviceUK.Txt"}) folder.write(name, readKeyFile(key / name));
    for (const char* extension : {".FEA", ".SPE", ".TOX"}) {
        folder.write(folderName + extension, readKeyFile(key / (folderName + extension)));
    }
    GenusList genera;
    const std::string list = folder.read("genuslst.txt");
    ByteBuffer buffer(list);
    const int count = readGenusList(buffer, genera);
    for (int i = 0; i < count; ++i) {
        if (genera[static_cast<std::size_t>(i)].folder == folderName) return i + 1;
    }
    return 0;
}

void FieldGuideFixture::openBundledGenus(int item, int kind) {
    folder.write("SpxInit.txt", "1\r\n" + std::to_string(kind) + "\r\n");
    program.N31Click();
    program.Genera1Click();
    program.GenusItemClick(item);
    messages.take();
}

FieldGuideFixture::Picks FieldGuideFixture::picks(const FieldGuideCase& fieldCase) {
    Picks chosen;
    for (const Feature& feature : fieldCase.features) {
        const auto& rows = main().rows;
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const CharacterRowView& r) {
            return withoutPadding(r.labelCaption) == feature.character;
        });
        if (row == rows.end()) {
            ADD_FAILURE() << fieldCase.where << ": no character \"" << cp1252ToUtf8(feature.character) << "\"";
            return {};
        }
        const auto item = std::find_if(row->comboItems.begin(), row->comboItems.end(),
                                       [&](const std::string& text) { return withoutPadding(text) == feature.state; });
        if (item == row->comboItems.end()) {
            ADD_FAILURE() << fieldCase.where << ": character \"" << cp1252ToUtf8(feature.character) << "\" has no state \""
                          << cp1252ToUtf8(feature.state) << "\"";
            return {};
        }
        chosen.emplace_back(static_cast<std::size_t>(row - rows.begin()), *item);
    }
    return chosen;
}

std::vector<std::string> FieldGuideFixture::texts(const Picks& chosen, std::size_t count) const {
    std::vector<std::string> combo(kMaxCharacters);
    for (std::size_t i = 0; i < count; ++i) combo[chosen[i].first] = chosen[i].second;
    return combo;
}

FirstKindPlace FieldGuideFixture::placeInFirstKind(int item, const FieldGuideCase& fieldCase, const Picks& chosen) {
    openBundledGenus(item, 1);
    program.ComboBoxChange(texts(chosen, chosen.size()));
    const auto& names = main().listBox1;
    const auto& percents = main().listBox2;
    const std::string expected = (state().results.listPrefix + fieldCase.species).substr(0, 2 + kResultNameWidth);
    FirstKindPlace place;
    const auto found = std::find(names.begin(), names.end(), expected);
    if (found == names.end()) return place;
    const auto at = static_cast<std::size_t>(found - names.begin());
    if (at >= percents.size()) return place;
    place.listed = true;
    const int percent = std::stoi(percents[at]);
    for (std::size_t i = 0; i < names.size() && i < percents.size(); ++i) {
        if (i == at) continue;
        const int other = std::stoi(percents[i]);
        if (other > percent) ++place.ahead;
        if (other == percent) place.shared = true;
    }
    return place;
}

RestSearchPlace FieldGuideFixture::placeInRestSearch(int item, const FieldGuideCase& fieldCase, const Picks& chosen) {
    openBundledGenus(item, 2);
    for (std::size_t count = 1; count <= chosen.size(); ++count) program.ComboBoxChange(texts(chosen, count));
    const auto& rest = main().listBox1;
    RestSearchPlace place;
    place.kept = std::find(rest.begin(), rest.end(), fieldCase.species) != rest.end();
    // The advice names it either as a near miss or as removed only where the key records nothing.
    const auto named = [&](const std::vector<NearMiss>& misses) {
        return std::any_of(misses.begin(), misses.end(),
                           [&](const NearMiss& miss) { return miss.species.name == fieldCase.species; });
    };
    place.nearMiss = named(state().advice.nearMisses) || named(state().advice.notExcluded);
    return place;
}

}  // namespace sporix::test
