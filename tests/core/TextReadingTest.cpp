// The line reading rules of the key's text files, and the readers built on them.
#include <gtest/gtest.h>

#include "ByteBuffer.h"
#include "DisplayLines.h"
#include "InterfaceTexts.h"
#include "LineReader.h"
#include "SettingsFile.h"

namespace sporix {
namespace {

std::vector<std::string> readLines(std::string_view bytes, int count) {
    ByteBuffer buffer(bytes);
    LineReader reader(buffer);
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) lines.push_back(reader.readLine());
    return lines;
}

TEST(LineReader, LineEndsAtCarriageReturnAndCrLfIsOneEnd) {
    EXPECT_EQ(readLines("a\rb\r\nc\r\rd", 5), (std::vector<std::string>{"a", "b", "c", "", "d"}));
}

TEST(LineReader, LoneLineFeedStaysInsideTheLine) {
    EXPECT_EQ(readLines("one\ntwo\r\nthree", 2), (std::vector<std::string>{"one\ntwo", "three"}));
}

TEST(LineReader, ByteTwentySixEndsTheFile) {
    ByteBuffer buffer(std::string_view("a\r\nb\x1A" "c\r\nd\r\n", 11));
    LineReader reader(buffer);
    EXPECT_EQ(reader.readLine(), "a");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "b");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "");
}

TEST(LineReader, ReadingPastTheEndYieldsEmptyLines) {
    ByteBuffer buffer("last");  // no line end after the last line
    LineReader reader(buffer);
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "last");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_TRUE(reader.atEnd());
}

TEST(LineReader, KeepsOnlyTheWidthAskedForAndSkipsTheRest) {
    ByteBuffer buffer("Russula emetica\r\nnext\r\n");
    LineReader reader(buffer);
    EXPECT_EQ(reader.readLine(3), "Rus");
    EXPECT_EQ(reader.readLine(), "next");
}

TEST(LineReader, ReadsAOneMegabyteLineWhole) {
    const std::string longLine(1 << 20, 'x');
    const auto lines = readLines(longLine + "\r\nafter", 2);
    EXPECT_EQ(lines[0].size(), longLine.size());
    EXPECT_EQ(lines[1], "after");
}

TEST(DisplayLines, SplitAtCrLfLoneLfAndLoneCr) {
    ByteBuffer buffer("a\r\nb\nc\rd\r\n");
    EXPECT_EQ(readDisplayLines(buffer), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(DisplayLines, KeepEmptyLinesAndALastLineWithoutEnd) {
    ByteBuffer buffer("a\r\n\r\nb");
    EXPECT_EQ(readDisplayLines(buffer), (std::vector<std::string>{"a", "", "b"}));
    ByteBuffer empty("");
    EXPECT_TRUE(readDisplayLines(empty).empty());
}

SettingsRead settingsOf(std::string_view bytes) {
    ByteBuffer buffer(bytes);
    return readSettings(buffer);
}

TEST(SettingsFile, ReadsTwoValuesAndIgnoresFurtherLines) {
    const auto read = settingsOf("3\r\n2\r\n7\r\n");
    EXPECT_EQ(read.valuesRead, 2);
    EXPECT_EQ(read.values[0], 3);
    EXPECT_EQ(read.values[1], 2);
    EXPECT_FALSE(read.invalidNumber);
}

TEST(SettingsFile, FurtherWordsOnALineAreSkipped) {
    const auto read = settingsOf("4 five six\r\n2\r\n");
    EXPECT_EQ(read.values[0], 4);
    EXPECT_EQ(read.values[1], 2);
}

TEST(SettingsFile, EmptyFileReadsZeroAndZero) {
    const auto read = settingsOf("");
    EXPECT_EQ(read.valuesRead, 2);
    EXPECT_EQ(read.values[0], 0);
    EXPECT_EQ(read.values[1], 0);
}

TEST(SettingsFile, BlanksAndLineEndsBeforeAValueAreSkipped) {
    const auto read = settingsOf("\r\n  \t5\r\n");
    EXPECT_EQ(read.values[0], 5);
    EXPECT_EQ(read.values[1], 0);  // the end of the file came first
}

TEST(SettingsFile, ALoneLineFeedDoesNotEndTheSkippedRest) {
    // "4 x\n2" is one line: the 2 belongs to its skipped rest.
    const auto read = settingsOf("4 x\n2\r\n6\r\n");
    EXPECT_EQ(read.values[0], 4);
    EXPECT_EQ(read.values[1], 6);
}

TEST(SettingsFile, NonIntegerWordStopsTheReading) {
    const auto first = settingsOf("x\r\n2\r\n");
    EXPECT_TRUE(first.invalidNumber);
    EXPECT_EQ(first.valuesRead, 0);
    const auto second = settingsOf("3\r\n2b\r\n");
    EXPECT_TRUE(second.invalidNumber);
    EXPECT_EQ(second.valuesRead, 1);
    EXPECT_EQ(second.values[0], 3);
}

TEST(SettingsFile, KeepsTheLowSixteenBits) {
    const auto read = settingsOf("65537\r\n-1\r\n");
    EXPECT_EQ(read.values[0], 1);
    EXPECT_EQ(read.values[1], 65535);
    EXPECT_FALSE(settingsOf("99999999999999999999999999999999999999\r\n").invalidNumber);  // a long number is no error
}

TEST(SettingsFile, WritesDigitsAndCrLfOnly) { EXPECT_EQ(formatSettings(5, 0), "5\r\n0\r\n"); }

TEST(InterfaceTexts, FortyLinesTakenWholeAndMissingOnesEmpty) {
    const std::string longText(600, 'w');
    const std::string bytes = " zero \r\n" + longText + "\r\nwith\nfeed\r\n";
    ByteBuffer buffer(bytes);
    const InterfaceTexts texts = readInterfaceTexts(buffer);
    EXPECT_EQ(texts[0], " zero ");
    EXPECT_EQ(texts[1], longText);
    EXPECT_EQ(texts[2], "with\nfeed");
    EXPECT_EQ(texts[3], "");
    EXPECT_EQ(texts[39], "");
}

}  // namespace
}  // namespace sporix
