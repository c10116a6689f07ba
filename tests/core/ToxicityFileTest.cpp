// The optional file of toxicity marks: what it marks, and what it refuses to mark.
#include <gtest/gtest.h>

#include "ByteBuffer.h"
#include "KeyFixture.h"
#include "ToxicityFile.h"

namespace sporix {
namespace {

using test::crlf;

ToxicityFileRead readMarks(const std::string& bytes) {
    ByteBuffer buffer(bytes);
    return readToxicityFile(buffer);
}

TEST(ToxicityFile, MarksByCodeWithCommentsBlanksAndCodesHoldingBlanks) {
    const auto read = readMarks(
        crlf({"# after two field guides", "AMPHALLO deadly", "", "AMPANTHE\t poisonous  ", "R emetic caution", "  #f deadly"}));
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(read.entries.size(), 3u) << "a \"#\" after blanks opens a comment";
    EXPECT_EQ(toxicityOf(read, "AMPHALLO"), Toxicity::Deadly);
    EXPECT_EQ(toxicityOf(read, "AMPANTHE"), Toxicity::Poisonous);
    EXPECT_EQ(toxicityOf(read, "R emetic"), Toxicity::Caution);
    EXPECT_EQ(toxicityOf(read, "AMCAESAR"), Toxicity::Unmarked);
    EXPECT_EQ(read.entries[1].line, 4);
}

TEST(ToxicityFile, MalformedLinesAreProblemsThatMarkNothing) {
    const auto read = readMarks(crlf({"AMPHALLO Deadly", "AMVIROSA", "  deadly", "AMVERNA0 deadly", "AMVERNA0 caution"}));
    ASSERT_EQ(read.problems.size(), 4u);
    EXPECT_EQ(read.problems[0].line, 1);  // marks are lower-case words
    EXPECT_EQ(read.problems[1].line, 2);
    EXPECT_EQ(read.problems[2].line, 3);
    EXPECT_EQ(read.problems[3].line, 5);
    EXPECT_EQ(toxicityOf(read, "AMPHALLO"), Toxicity::Unmarked);
    EXPECT_EQ(toxicityOf(read, "AMVERNA0"), Toxicity::Deadly);
}

TEST(ToxicityFile, AShortCodeIsItsEightBytesWithThePaddingBlanks) {
    const auto read = readMarks(crlf({"AMVERNA  deadly", "C0 poisonous", "AMVIROSA0 deadly"}));
    EXPECT_EQ(toxicityOf(read, "AMVERNA "), Toxicity::Deadly);
    EXPECT_EQ(toxicityOf(read, "AMVERNA"), Toxicity::Unmarked);
    EXPECT_EQ(toxicityOf(read, "C0      "), Toxicity::Poisonous);
    ASSERT_EQ(read.problems.size(), 1u);  // nine bytes are no code
    EXPECT_EQ(read.problems[0].line, 3);
}

TEST(ToxicityFile, ConfusionsNameTwoCodesAndMarkNothing) {
    const auto read = readMarks(crlf({"AMPANTHE poisonous", "AMPANTHE taken-for AMRUBESC", "AMPANTHE\ttaken-for  AMEXCEL",
                                      "AMPANTHE taken-for AMPANTHE", "AMPANTHE taken-for AMRUBESC", "AMPANTHE taken-for",
                                      "AMPANTHE taken-for AMRUBESCENS"}));
    ASSERT_EQ(read.confusions.size(), 2u);
    EXPECT_EQ(read.confusions[0].speciesCode, "AMPANTHE");
    EXPECT_EQ(read.confusions[0].takenFor, "AMRUBESC");
    EXPECT_EQ(read.confusions[1].takenFor, "AMEXCEL ");
    EXPECT_EQ(read.confusions[1].line, 3);
    ASSERT_EQ(read.problems.size(), 4u);
    EXPECT_EQ(read.problems[0].kind, ToxicityProblemKind::SelfConfusion);
    EXPECT_EQ(read.problems[1].kind, ToxicityProblemKind::ConfusionLine);  // named twice
    EXPECT_EQ(read.problems[2].line, 6);  // no second code
    EXPECT_EQ(read.problems[2].kind, ToxicityProblemKind::ConfusionLine);
    EXPECT_EQ(read.problems[3].kind, ToxicityProblemKind::ConfusionLine);
    EXPECT_EQ(read.entries.size(), 1u);
}

TEST(ToxicityFile, AHugeFileIsReadOnlyUpToItsLimit) {
    std::string bytes;
    for (int i = 0; i < kMaxToxicityLines + 50; ++i) bytes += "C" + std::to_string(i) + " poisonous\r\n";
    const auto read = readMarks(bytes);
    EXPECT_EQ(read.entries.size(), static_cast<std::size_t>(kMaxToxicityLines));
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(read.problems[0].line, kMaxToxicityLines + 1);
}

TEST(ToxicityFile, AnOverlongLineMarksNothingAndKeepsNothingOfItself) {
    const std::string code(100000, 'X');
    const auto read = readMarks(crlf({"# " + code, code + " deadly", "AMPHALLO deadly"}));
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(read.problems[0].line, 2);
    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(toxicityOf(read, "AMPHALLO"), Toxicity::Deadly);
}

}  // namespace
}  // namespace sporix
