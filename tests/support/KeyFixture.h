#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeyProgram.h"
#include "RecordingMessages.h"
#include "TempFolder.h"
#include "TestPictures.h"
#include "WorkFolder.h"

namespace sporix::test {

struct StateSpec {
    std::string text;
    char code;
};

struct CharacterSpec {
    std::string name;
    std::vector<StateSpec> states;
};

// A state line: the text padded with blanks to 25 bytes, then the code.
std::string stateLine(const std::string& text, char code);
// Character blocks, each closed by ".", lines ended by CR LF.
std::string characterFile(const std::vector<CharacterSpec>& characters);
// Records of a name line and value lines, lines ended by CR LF.
std::string speciesFile(const std::vector<std::vector<std::string>>& records);
// A genus list of `count` genera: codes G1, G2 ..., folders F1, F2 ..., "Genus 1" ...
std::string genusListText(int count);
// Interface texts "[0]" .. "[39]", so that every message shows which texts it holds.
std::string numberedTexts();

// The three-character genus used by many tests: cap colour (red R, green G, yellow Y),
// spore print (white A, cream B, ochre C), taste (mild M, acrid H).
std::vector<CharacterSpec> sampleCharacters();

// A working folder with a program on it, and the steps a user takes.
class KeyFixture : public ::testing::Test {
protected:
    KeyFixture();

    // Settings of `kind`, English numbered texts, then the first activation.
    void start(int kind = 1);
    // A genus list of one genus, with its character and species files.
    void writeGenus(const std::string& folderName, const std::vector<CharacterSpec>& characters,
                    const std::vector<std::vector<std::string>>& records, const std::string& code = "Tst",
                    const std::string& displayName = "Testgenus");
    void openGenus(int item = 1);
    // Starts in `kind` and opens the sample genus with `records`, its messages taken.
    void openSampleGenus(int kind, const std::vector<std::vector<std::string>>& records);
    // Picks the item of row `row` whose text, without its padding, is `state`.
    void pick(int row, const std::string& state);
    // Types `text` into row `row` exactly as given.
    void type(int row, const std::string& text);

    const MainWindowView& main() const { return program.views().main; }
    const ProgramState& state() const { return program.state(); }
    std::vector<std::string> listed() const { return main().listBox1; }

    TempFolder folder;
    WorkFolder work;
    RecordingMessages messages;
    TestPictureLoader pictures;
    KeyProgram program;
};

}  // namespace sporix::test
