#include "KeyFixture.h"

#include <algorithm>

namespace sporix::test {

std::string stateLine(const std::string& text, char code) {
    std::string line = text;
    line.resize(25, ' ');
    line.push_back(code);
    return line;
}

std::string characterFile(const std::vector<CharacterSpec>& characters) {
    std::string text;
    for (const auto& character : characters) {
        text += character.name + "\r\n";
        for (const auto& state : character.states) text += stateLine(state.text, state.code) + "\r\n";
        text += ".\r\n";
    }
    return text;
}

std::string speciesFile(const std::vector<std::vector<std::string>>& records) {
    std::string text;
    for (const auto& record : records) {
        for (const auto& line : record) text += line + "\r\n";
    }
    return text;
}

std::string genusListText(int count) {
    std::string list;
    for (int i = 1; i <= count; ++i) list += crlf({"G" + std::to_string(i), "F" + std::to_string(i), "Genus " + std::to_string(i)});
    return list;
}

std::string numberedTexts() {
    std::string text;
    for (int k = 0; k < 40; ++k) text += "[" + std::to_string(k) + "]\r\n";
    return text;
}

std::vector<CharacterSpec> sampleCharacters() {
    return {{"Cap colour", {{"red", 'R'}, {"green", 'G'}, {"yellow", 'Y'}}},
            {"Spore print", {{"white", 'A'}, {"cream", 'B'}, {"ochre", 'C'}}},
            {"Taste", {{"mild", 'M'}, {"acrid", 'H'}}}};
}

KeyFixture::KeyFixture() : work(folder.path()), pictures(work), program(work, messages, pictures) {}

void KeyFixture::start(int kind) {
    folder.write("SpxInit.txt", "1\r\n" + std::to_string(kind) + "\r\n");
    folder.write("InitUK.Txt", numberedTexts());
    program.N31Click();
    messages.take();
}

void KeyFixture::writeGenus(const std::string& folderName, const std::vector<CharacterSpec>& characters,
                            const std::vector<std::vector<std::string>>& records, const std::string& code,
                            const std::string& displayName) {
    folder.write("genuslst.txt", crlf({code, folderName, displayName}));
    folder.write(folderName + ".FEA", characterFile(characters));
    folder.write(folderName + ".SPE", speciesFile(records));
}

void KeyFixture::openGenus(int item) {
    program.Genera1Click();
    program.GenusItemClick(item);
}

void KeyFixture::openSampleGenus(int kind, const std::vector<std::vector<std::string>>& records) {
    start(kind);
    writeGenus("TESTGEN", sampleCharacters(), records);
    openGenus();
    messages.take();
}

void KeyFixture::pick(int row, const std::string& state) {
    const auto& items = main().rows.at(static_cast<std::size_t>(row - 1)).comboItems;
    const auto found = std::find(items.begin(), items.end(), stateLine(state, ' ').substr(0, 25));
    ASSERT_NE(found, items.end()) << "no state \"" << state << "\" in row " << row;
    type(row, *found);
}

void KeyFixture::type(int row, const std::string& text) {
    std::vector<std::string> texts;
    for (const auto& shownRow : main().rows) texts.push_back(shownRow.comboText);
    texts.at(static_cast<std::size_t>(row - 1)) = text;
    program.ComboBoxChange(texts);
}

}  // namespace sporix::test
