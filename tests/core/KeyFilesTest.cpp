// The readers of the genus list, the character file and the species file.
#include <gtest/gtest.h>

#include "ByteBuffer.h"
#include "CharacterFile.h"
#include "GenusList.h"
#include "KeyFixture.h"
#include "SpeciesFile.h"

namespace sporix {
namespace {

using test::crlf;
using test::stateLine;

int readGenera(const std::string& bytes, GenusList& list) {
    ByteBuffer buffer(bytes);
    return readGenusList(buffer, list);
}

TEST(GenusList, ThreeLinesPerEntryCutTo3And16And16) {
    GenusList list;
    EXPECT_EQ(readGenera(crlf({"Russula", "ABCDEFGHIJKLMNOPQRS", "A display name too long", "Lac", "LACTARIU", "Lactarius"}), list), 2);
    EXPECT_EQ(list[0].code, "Rus");
    EXPECT_EQ(list[0].folder, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(list[0].displayName, "A display name t");
    EXPECT_EQ(list[1].displayName, "Lactarius");
}

TEST(GenusList, EmptyFileIsOneEmptyEntryAndLaterEntriesKeepTheirValues) {
    GenusList list;
    list[1] = {"Old", "OLD", "Old genus"};
    EXPECT_EQ(readGenera("", list), 1);
    EXPECT_EQ(list[0].folder, "");
    EXPECT_EQ(list[1].displayName, "Old genus");
}

TEST(GenusList, TrailingEmptyLineStartsOneMoreEmptyEntry) {
    GenusList list;
    EXPECT_EQ(readGenera(crlf({"Rus", "RUSSULA", "Russula", ""}), list), 2);
    EXPECT_EQ(list[1].code, "");
    EXPECT_EQ(list[1].folder, "");
}

TEST(GenusList, StopsAfterThirtyEntries) {
    const std::string bytes = test::genusListText(31);
    GenusList list;
    EXPECT_EQ(readGenera(bytes, list), 30);
    EXPECT_EQ(list[29].displayName, "Genus 30");
}

CharacterFileRead readCharacters(const std::string& bytes, CharacterTable& table) {
    ByteBuffer buffer(bytes);
    return readCharacterFile(buffer, table);
}

TEST(CharacterFile, BlocksEndAtALineOfExactlyOneFullStop) {
    CharacterTable table;
    const auto read = readCharacters(crlf({"Cap colour", stateLine("red", 'R'), ". ", ".", "Taste", stateLine("mild", 'M'), "."}), table);
    EXPECT_EQ(read.characterCount, 2);
    EXPECT_FALSE(read.cuts.any());
    EXPECT_EQ(table[0].slots[1], ". ");  // a full stop and a blank is a state
    EXPECT_EQ(table[0].slots[2], ".");
    EXPECT_EQ(table[1].name, "Taste");
}

TEST(CharacterFile, SlotsAreCutAtTwentySixBytes) {
    CharacterTable table;
    readCharacters(crlf({std::string(30, 'N'), stateLine("red", 'R') + "extra", "."}), table);
    EXPECT_EQ(table[0].name, std::string(26, 'N'));
    EXPECT_EQ(table[0].slots[0], stateLine("red", 'R'));
}

TEST(CharacterFile, ExactlyTwentyStatesFitWithTheClosingEntry) {
    std::vector<std::string> lines = {"Many"};
    for (int s = 0; s < 20; ++s) lines.push_back(stateLine("state " + std::to_string(s), static_cast<char>('A' + s)));
    lines.push_back(".");
    lines.push_back("Next");
    lines.push_back(".");
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    CharacterTable table;
    const auto read = readCharacters(bytes, table);
    EXPECT_EQ(read.characterCount, 2);
    EXPECT_FALSE(read.cuts.any());
    EXPECT_EQ(table[0].slots[20], ".");
    EXPECT_EQ(table[1].name, "Next");
}

TEST(CharacterFile, StatesAfterTheTwentiethAreDroppedAndTold) {
    std::string bytes = "Many\r\n";
    for (int s = 0; s < 23; ++s) bytes += stateLine("s" + std::to_string(s), static_cast<char>('A' + s)) + "\r\n";
    bytes += ".\r\nNext\r\n.\r\n";
    CharacterTable table;
    const auto read = readCharacters(bytes, table);
    EXPECT_EQ(read.characterCount, 2);
    EXPECT_EQ(read.cuts.statesCut, std::vector<int>{1});
    EXPECT_EQ(table[0].slots[19], stateLine("s19", 'T'));
    EXPECT_EQ(table[0].slots[20], ".");
    EXPECT_EQ(table[1].name, "Next");
}

TEST(CharacterFile, BlocksAfterTheFortySecondAreCountedButNotKept) {
    std::string bytes;
    for (int k = 1; k <= 45; ++k) bytes += "C" + std::to_string(k) + "\r\n" + stateLine("s", 'A') + "\r\n.\r\n";
    CharacterTable table;
    const auto read = readCharacters(bytes, table);
    EXPECT_EQ(read.characterCount, 42);
    EXPECT_EQ(read.unusedCharacters, 3);  // their value lines stay in every species record
    EXPECT_TRUE(read.cuts.charactersCut);
    EXPECT_EQ(table[41].name, "C42");
}

TEST(CharacterFile, BlockCutShortByTheEndIsKeptWhenItHoldsText) {
    CharacterTable table;
    const auto read = readCharacters(crlf({"A", ".", "B", stateLine("x", 'X')}), table);
    EXPECT_EQ(read.characterCount, 2);
    EXPECT_EQ(read.cuts.unfinishedCharacter, 2);
    EXPECT_TRUE(read.cuts.unfinishedKept);
    EXPECT_EQ(table[1].slots[1], ".");
}

TEST(CharacterFile, EmptyLineAfterTheLastBlockIsLeftOut) {
    CharacterTable table;
    const auto read = readCharacters(crlf({"A", ".", ""}), table);
    EXPECT_EQ(read.characterCount, 1);
    EXPECT_EQ(read.cuts.unfinishedCharacter, 2);
    EXPECT_FALSE(read.cuts.unfinishedKept);
    EXPECT_EQ(table[1].name, "");
}

TEST(CharacterFile, EmptyAndBinaryFilesEndWithoutHanging) {
    CharacterTable table;
    EXPECT_EQ(readCharacters("", table).characterCount, 0);
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 37) % 256));
    const auto read = readCharacters(binary, table);  // byte 26 comes early and ends it
    EXPECT_LE(read.characterCount, 42);
}

TEST(SpeciesFile, DisplayNameAndCode) {
    EXPECT_EQ(displayName("RUEMETIC*emetica"), "emetica");
    EXPECT_EQ(speciesCode("RUEMETIC*emetica"), "RUEMETIC");
    EXPECT_EQ(displayName("SHORT"), "SHORT");
    EXPECT_EQ(speciesCode("SHORT"), "SHORT");
    EXPECT_EQ(displayName("RUEMETIC*"), "");
    EXPECT_EQ(displayName("Russula emetica"), "Russula emetica");  // ninth byte is no "*"
}

TEST(SpeciesFile, WeightsDropByTenForEveryFullStop) {
    EXPECT_EQ(valueLineWeight("A", 'A'), 100);
    EXPECT_EQ(valueLineWeight("A.B", 'B'), 90);
    EXPECT_EQ(valueLineWeight(".A", 'A'), 90);
    EXPECT_EQ(valueLineWeight("AB..D", 'D'), 80);
    EXPECT_EQ(valueLineWeight("AA", 'A'), 200);
    EXPECT_EQ(valueLineWeight("?", 'A'), 0);
    EXPECT_EQ(valueLineWeight("...", 'A'), 0);
    EXPECT_EQ(valueLineWeight(std::string(12, '.') + "A", 'A'), -20);
}

int count(const std::string& bytes, int characters) {
    ByteBuffer buffer(bytes);
    return countSpeciesRecords(buffer, {characters, 0}).records;
}

TEST(SpeciesFile, RecordsCountInGroupsOfCharactersPlusOneLines) {
    EXPECT_EQ(count(crlf({"A", "x", "B", "y"}), 1), 2);
    EXPECT_EQ(count("", 3), 1);                      // an empty file is one record
    EXPECT_EQ(count(crlf({"A", "x", "B"}), 1), 2);   // a record cut short still counts
    EXPECT_EQ(count(crlf({"A", "x", "", ""}), 1), 2);  // blank lines form a record
    EXPECT_EQ(count(crlf({"A", "B", "C"}), 0), 3);
}

TEST(SpeciesFile, CountingStopsAtTheSpeciesLimit) {
    std::string bytes;
    for (int i = 0; i < 100000; ++i) bytes += "N\r\nv\r\n";
    ByteBuffer buffer(bytes);
    const auto counted = countSpeciesRecords(buffer, {1, 0});
    EXPECT_EQ(counted.records, 350);
    EXPECT_TRUE(counted.overLimit);
}

}  // namespace
}  // namespace sporix
