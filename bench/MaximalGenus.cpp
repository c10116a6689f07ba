#include "MaximalGenus.h"

#include <random>

namespace sporix::bench {

namespace {

char codeOf(int state) { return static_cast<char>('A' + state); }

}  // namespace

std::string maximalSpeciesFile() {
    std::mt19937 random(7);
    std::string text;
    for (int k = 0; k < kMaxSpecies; ++k) {
        text += "SP" + std::to_string(100000 + k) + "*species number " + std::to_string(k) + "\r\n";
        for (int c = 0; c < kMaxCharacters; ++c) {
            std::string line(1, codeOf(static_cast<int>(random() % kMaxStates)));
            if (random() % 3 == 0) line += codeOf(static_cast<int>(random() % kMaxStates));
            if (random() % 4 == 0) line += std::string(".") + codeOf(static_cast<int>(random() % kMaxStates));
            text += line + "\r\n";
        }
    }
    return text;
}

std::vector<test::CharacterSpec> maximalCharacters() {
    std::vector<test::CharacterSpec> all;
    for (int c = 0; c < kMaxCharacters; ++c) {
        test::CharacterSpec character{"Character " + std::to_string(c + 1), {}};
        for (int s = 0; s < kMaxStates; ++s) character.states.push_back({"state " + std::to_string(s + 1), codeOf(s)});
        all.push_back(character);
    }
    return all;
}

void writeMaximalKey(const test::TempFolder& folder) {
    folder.write("SpxInit.txt", "1\r\n1\r\n");
    folder.write("InitUK.Txt", test::numberedTexts());
    folder.write("genuslst.txt", test::crlf({"Max", "MAXIMAL", "Maximal"}));
    folder.write("MAXIMAL.FEA", test::characterFile(maximalCharacters()));
    folder.write("MAXIMAL.SPE", maximalSpeciesFile());
}

}  // namespace sporix::bench
