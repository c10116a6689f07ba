// "sporix-key import-delta" on a small dataset of our own (tests/authoring/delta-dataset):
// comments, ranges, "/", "&" and "-" between states, "V", "U" and "-" values, implicit
// values, a dependent character and continuation lines. The genus it makes loads in the
// program, and every item stays a rest species while its own states are chosen.
#include <gtest/gtest.h>

#include <filesystem>

#include "KeyFixture.h"
#include "SmallKey.h"

namespace sporix::test {
namespace {

const std::string kDataset = SPORIX_DELTA_DATASET_DIR;

class DeltaImport : public KeyFixture {
protected:
    DeltaImport() { writeLanguageFiles(folder); }

    ToolRun import(const std::vector<std::string>& extra = {}) {
        std::vector<std::string> words = {"import-delta",         kDataset, "--into",
                                          folder.path().string(), "--name", "Fungus"};
        words.insert(words.end(), extra.begin(), extra.end());
        return runTool(words);
    }
};

TEST_F(DeltaImport, ValuesBecomeCodesAsDocumented) {
    const ToolRun run = import();
    ASSERT_EQ(run.status, 0) << run.err << run.out;
    EXPECT_EQ(folder.read("genuslst.txt"), "Fun\r\nFUNGUS\r\nFungus\r\n");
    // Rows: the multistate characters 1, 2, 4, 5, 6, 7; 3, 8 and 9 are skipped.
    EXPECT_EQ(folder.read("FUNGUS.SPE"), crlf({"FUNALBUS*albus",      "A",   "AB",  "A", "AC",  "A",   "BC",
                                               "FUCITRIN*citrinus",   "B",   ".C",  "B", "?",   "B",   "ABCD",
                                               "FUNRUBER*ruber",      "CD",  "?",   "A", "B",   "?",   "A",
                                               "FUFUSCUS*fuscus",     "D",   "ABC", "B", "?",   "A",   "D",
                                               "FUVARIAB*variabilis", "ABC", "A",   "A", "ABC", "A.B", "BC"}));
    EXPECT_EQ(folder.read("FUNGUS.FEA")
                  .rfind(crlf({"cap colour", stateLine("white", 'A'), stateLine("yellow", 'B'), stateLine("red", 'C'),
                               stateLine("brown", 'D'), ".", "cap surface", stateLine("dry", 'A')}),
                         0),
              0u);
    for (const char* skipped :
         {"skipped character 3 cap diameter: integer numeric", "skipped character 8 notes on the habitat: text",
          "skipped character 9 spore length: real numeric"}) {
        EXPECT_NE(run.err.find(skipped), std::string::npos) << run.err;
    }
}

TEST_F(DeltaImport, DescriptionsSayWhatTheKeyCannot) {
    ASSERT_EQ(import().status, 0);
    EXPECT_EQ(folder.read("FUNGUS/FUNALBUS.TXT"),
              crlf({"Fungus albus", "made up for the tests", "", "cap colour: white.", "cap surface: dry or viscid.",
                    "cap diameter: 5-10 cm.", "ring: present.", "ring texture: membranous and striate above.",
                    "spore print colour: white.", "stem length: about as long or longer.",
                    "notes on the habitat: in grass, along paths.", "spore length: 8.5-10.0 um."}));
    EXPECT_EQ(folder.read("FUNGUS/FUFUSCUS.TXT"),
              crlf({"Fungus fuscus", "", "cap colour: brown.", "cap surface: variable.", "cap diameter: not known.",
                    "ring: absent.", "ring texture: not applicable.", "spore print colour: white.",
                    "stem length: much longer.", "spore length: (7-)8-9 um."}));
    EXPECT_EQ(folder.read("FUNGUS/NOTES.TXT"),
              crlf({"1. cap colour: Judge the colour at the centre of a fresh cap.",
                    "7. stem length: Compare the stem with the widest part of the cap."}));
}

TEST_F(DeltaImport, EveryItemStaysARestSpeciesOnItsOwnStates) {
    start(2);
    ASSERT_EQ(import().status, 0);
    openGenus(1);
    ASSERT_EQ(state().genus.characterCount, 6);
    ASSERT_EQ(state().genus.speciesCount, 5);
    const std::vector<std::vector<std::string>> ownCodes = {{"A", "AB", "A", "AC", "A", "BC"},
                                                            {"B", ".C", "B", "?", "B", "ABCD"},
                                                            {"CD", "?", "A", "B", "?", "A"},
                                                            {"D", "ABC", "B", "?", "A", "D"},
                                                            {"ABC", "A", "A", "ABC", "A.B", "BC"}};
    const char* names[] = {"albus", "citrinus", "ruber", "fuscus", "variabilis"};
    for (std::size_t item = 0; item < ownCodes.size(); ++item) {
        program.Usingrestspeciesafterlastcharacter1Click();
        int chosen = 0;
        for (int row = 1; row <= 6; ++row) {
            const std::string& codes = ownCodes[item][static_cast<std::size_t>(row - 1)];
            const auto code = codes.find_first_not_of(".?");
            if (code == std::string::npos) continue;
            const auto& items = main().rows[static_cast<std::size_t>(row - 1)].comboItems;
            type(row, items.at(static_cast<std::size_t>(codes[code] - 'A')));
            ++chosen;
            const auto rest = listed();
            EXPECT_NE(std::find(rest.begin(), rest.end(), names[item]), rest.end())
                << names[item] << " lost at row " << row;
        }
        EXPECT_GE(chosen, 4);
    }
    EXPECT_EQ(messages.take(), std::vector<std::string>{});
}

TEST_F(DeltaImport, ChosenCharactersAndFaultsInTheDataset) {
    TempFolder dataset;
    dataset.write("Chars.dat", "*CHARACTER LIST #1. colour/ 1. red/ 2. blue/ #2. taste/ 1. mild/ 2. hot/\n");
    dataset.write("ITEMS", "*ITEM DESCRIPTIONS\n# Genus one/ 1,1 2,2\n# Genus two/ 1,3 2,1\n#/ 1,1\n");
    const ToolRun run = runTool({"import-delta", dataset.path().string(), "--into", folder.path().string(),
                                 "--characters", "2", "--genus-folder", "TWO"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("ITEMS:3: warning: Genus two: character 1: \"3\" is no state of 1..2"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("ITEMS:4: warning: an item starts with its name"), std::string::npos) << run.err;
    EXPECT_EQ(folder.read("TWO.SPE"), crlf({"GENUSONE*one", "B", "GENUSTWO*two", "A"}));
    const ToolRun again =
        runTool({"import-delta", dataset.path().string(), "--into", folder.path().string(), "--genus-folder", "TWO"});
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find("already has a genus TWO"), std::string::npos) << again.err;
}

// Only the dataset's own files are read; a folder name whose files the program would cut
// to one name is refused before anything is written, and so is a key the program could not
// start from, until the language files are asked for.
TEST_F(DeltaImport, OnlyTheDatasetFilesAndOnlyIntoAKeyThatStarts) {
    TempFolder dataset;
    dataset.write("chars", "*CHARACTER LIST #1. colour/ 1. red/ 2. blue/\n");
    dataset.write("items", "*ITEM DESCRIPTIONS\n# Genus one/ 1,1\n# Genus two/ 1,2\n");
    dataset.write("items.new", "*ITEM DESCRIPTIONS\n# Genus three/ 1,1\n");
    const std::string into = folder.path().string();
    const ToolRun tooLong =
        runTool({"import-delta", dataset.path().string(), "--into", into, "--genus-folder", "GENUSFOLDER"});
    EXPECT_EQ(tooLong.status, 2);
    EXPECT_NE(tooLong.err.find("\"GENUSFOLDER.\" and \"GENUSFOLDER.\""), std::string::npos) << tooLong.err;
    EXPECT_FALSE(folder.exists("genuslst.txt") || folder.exists("GENUSFOLDER") || folder.exists("GENUSFOLDER."));

    const ToolRun run = runTool({"import-delta", dataset.path().string(), "--into", into, "--genus-folder", "GEN"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(folder.read("GEN.SPE"), crlf({"GENUSONE*one", "A", "GENUSTWO*two", "B"}));
    EXPECT_NE(run.err.find("passed over items.new"), std::string::npos) << run.err;

    TempFolder bare;
    const std::vector<std::string> words = {"import-delta", dataset.path().string(), "--into", bare.path().string()};
    const ToolRun refused = runTool(words);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("lacks InitUK.Txt, NoFigs.Jpg"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("--with-language-files"), std::string::npos) << refused.err;
    std::vector<std::string> asJson = words;
    asJson.push_back("--json");
    EXPECT_NE(runTool(asJson).out.find("\"missingStartFiles\": [\"InitUK.Txt\", \"NoFigs.Jpg\"]"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(bare.path()));
    std::vector<std::string> withFiles = words;
    withFiles.push_back("--with-language-files");
    const ToolRun started = runTool(withFiles);
    EXPECT_EQ(started.status, 0) << started.err << started.out;
    EXPECT_TRUE(bare.exists("InitUK.Txt") && bare.exists("AdviceS.Txt") && bare.exists("NoFigs.Jpg"));
}

// What the key cannot take is listed per character and item, in the summary and as JSON;
// state texts that the cut to 25 bytes makes alike are told apart.
TEST_F(DeltaImport, WhatIsLeftOutIsListed) {
    TempFolder dataset;
    dataset.write("chars",
                  "*CHARACTER LIST #1. spores/ 1. smooth or finely warted, young/ 2. smooth or finely warted, old/\n"
                  "#2. length/ um/\n*CHARACTER TYPES 2,RN\n");
    std::string items = "*ITEM DESCRIPTIONS\n";
    for (int i = 1; i <= 351; ++i) items += "# Genus s" + std::to_string(i) + "/ 1,1 2,8\n";
    dataset.write("items", items + "# Genus extra/ 1,5\n");
    const ToolRun run = runTool(
        {"import-delta", dataset.path().string(), "--into", folder.path().string(), "--genus-folder", "GEN", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("skipped item 351 Genus s351: beyond the 350 species of a genus"), std::string::npos);
    EXPECT_NE(run.err.find("skipped item 352 Genus extra"), std::string::npos);
    EXPECT_NE(run.err.find("GEN: 1 characters, 350 species written (1 characters and 2 items skipped"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.out.find("\"skippedCharacters\": [\n  {\"number\": 2, \"name\": \"length\", \"why\": \"real numeric"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("{\"number\": 351, \"name\": \"Genus s351\""), std::string::npos);
    EXPECT_NE(run.out.find("\"check\": {\"findings\""), std::string::npos);
    const std::string characters = folder.read("GEN.FEA");
    EXPECT_NE(characters.find(stateLine("smooth or finely warted,", 'A')), std::string::npos) << characters;
    EXPECT_NE(characters.find(stateLine("smooth or finely warted 2", 'B')), std::string::npos) << characters;
}

// Files named by INPUT FILE are read; of two files that could both be the characters
// neither is taken, and the import says which and writes nothing.
TEST_F(DeltaImport, InputFileDirectivesAndAmbiguousNames) {
    TempFolder dataset;
    dataset.write("specs", "*INPUT FILE Descriptions\n");
    dataset.write("chars.txt", "*CHARACTER LIST #1. colour/ 1. red/ 2. blue/\n");
    dataset.write("descriptions", "*ITEM DESCRIPTIONS\n# Genus one/ 1,2\n");
    const std::string into = folder.path().string();
    const ToolRun run = runTool({"import-delta", dataset.path().string(), "--into", into, "--genus-folder", "GEN"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(folder.read("GEN.SPE"), crlf({"GENUSONE*Genus one", "B"}));
    dataset.write("chars.old", "*CHARACTER LIST #1. colour/ 1. blue/ 2. red/\n");
    const ToolRun twice = runTool({"import-delta", dataset.path().string(), "--into", into, "--genus-folder", "GEN2"});
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.err.find("several files could hold the chars: chars.old chars.txt"), std::string::npos)
        << twice.err;
    EXPECT_FALSE(folder.exists("GEN2.SPE"));
}

}  // namespace
}  // namespace sporix::test
