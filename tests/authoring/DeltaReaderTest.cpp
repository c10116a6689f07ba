// The DELTA reader on the lexical corners that a dataset written by hand holds.
#include <gtest/gtest.h>

#include "DeltaDataset.h"
#include "DeltaText.h"

namespace sporix::authoring::delta {
namespace {

Dataset read(const std::string& text) { return readDataset({{"items", text}}); }

TEST(DeltaReader, AbbreviatedDirectivesAndCommentsHoldingMarks) {
    const Dataset dataset = read(
        "*SHOW ~ a star * in a title\n"
        "* CHA LIS\n#1. cap <with a /# inside, <and nested *CHARACTER LIST> text>/ 1. red/\n"
        "  2. pale <not/ white>/\n#2. smell/ 1. none/ 2. of radish/\n"
        "*CHARACTER TYPES 2,OM\n*ITEM DES # A b <says *ITEM DESCRIPTIONS/>/ 1,2 2,1-2\n");
    ASSERT_EQ(dataset.characters.size(), 2u);
    EXPECT_EQ(dataset.characters[0].states, (std::vector<std::string>{"red", "pale <not/ white>"}));
    EXPECT_EQ(dataset.characters[1].type, CharacterType::OrderedMultistate);
    ASSERT_EQ(dataset.items.size(), 1u);
    ASSERT_EQ(dataset.items[0].attributes.size(), 2u);
    EXPECT_EQ(dataset.items[0].attributes[1].states.size(), 2u);
    EXPECT_TRUE(dataset.problems.empty()) << dataset.problems.front().what;
}

TEST(DeltaReader, ValuesWithCommentsPseudoValuesAndFaultsAtTheirLines) {
    const Dataset dataset = read(
        "*CHARACTER LIST #1. colour/ 1. red/ 2. blue/ 3. green/\n"
        "*ITEM DESCRIPTIONS\n"
        "# One/ 1,1<mostly>&3<?>\n"
        "# Two/ 1,V\n"
        "# Three/ 1<no value>\n"
        "# Four/\n  1,4 x,1 1,2\n");
    ASSERT_EQ(dataset.items.size(), 4u);
    const Attribute& one = dataset.items[0].attributes.at(0);
    EXPECT_TRUE(one.allTogether);
    ASSERT_EQ(one.states.size(), 2u);
    EXPECT_EQ(one.states[0].comment, "mostly");
    EXPECT_EQ(one.states[1].comment, "?");
    EXPECT_TRUE(dataset.items[1].attributes.at(0).variable);
    ASSERT_EQ(dataset.problems.size(), 3u);
    EXPECT_EQ(dataset.problems[0].line, 7);  // "x,1": no character number
    EXPECT_EQ(dataset.problems[1].line, 5);  // "1" of a multistate character without a value
    EXPECT_EQ(dataset.problems[2].line, 6);  // state 4 of a character of 3
    EXPECT_TRUE(dataset.items[3].attributes.at(0).unknown);
}

// A "<" in a text opens a comment only at the start or after white space: "few (<3)"
// stays text and the characters after it are read. One that never closes, or would run
// over the next directive, is text with a warning. In values every "<" opens a comment,
// and a "#" or "*" in it starts nothing.
TEST(DeltaReader, LessThanInATextAndCommentsInValues) {
    const Dataset dataset = read(
        "*CHARACTER LIST #1. hosts/ 1. few (<3) families susceptible/ 2. many (>3) families/\n"
        "#2. \\i{}spore\\i0{} wall <where <it is> seen>/ 1. smooth/ 2. \\b rough\\b0 /\n"
        "#3. length <3 um/ 1. short/ 2. long/\n"
        "*ITEM DESCRIPTIONS # A (<5 cm)/ 1,1<rarely (<3), see #2 *NOTES> 2,2\n# B/ 1,2 3,1\n");
    ASSERT_EQ(dataset.characters.size(), 3u);
    EXPECT_EQ(dataset.characters[0].states,
              (std::vector<std::string>{"few (<3) families susceptible", "many (>3) families"}));
    EXPECT_EQ(plainText(dataset.characters[1].feature), "spore wall");
    EXPECT_EQ(plainText(dataset.characters[1].states[1]), "rough");
    EXPECT_EQ(plainText(dataset.characters[2].feature), "length <3 um");
    ASSERT_EQ(dataset.items.size(), 2u);
    EXPECT_EQ(plainText(dataset.items[0].name), "A (<5 cm)");
    ASSERT_EQ(dataset.items[0].attributes.size(), 2u);
    EXPECT_EQ(dataset.items[0].attributes[0].states.at(0).comment, "rarely (<3), see #2 *NOTES");
    EXPECT_EQ(dataset.items[1].attributes.size(), 2u);
    ASSERT_EQ(dataset.problems.size(), 1u);
    EXPECT_EQ(dataset.problems[0].line, 3);
    EXPECT_NE(dataset.problems[0].what.find("never closes"), std::string::npos);
}

}  // namespace
}  // namespace sporix::authoring::delta
