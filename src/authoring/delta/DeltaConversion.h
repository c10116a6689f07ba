#pragma once

#include <string>
#include <vector>

#include "DeltaDataset.h"
#include "GenusList.h"

namespace sporix::authoring::delta {

struct ConversionOptions {
    std::vector<int> characters;  // the DELTA characters to take, in this order; empty: all
    std::string folder;           // the genus's folder name
    std::string displayName;
    std::string code;  // 3 characters
};

struct ConvertedItem {
    std::string speciesCode;  // 8 bytes, names the description file
    std::string description;  // Windows-1252, CR LF
};

// A character or an item of the dataset that the key does not take, and why.
struct LeftOut {
    int number = 0;    // the DELTA character or item number
    std::string name;  // Windows-1252, without comments
    std::string why;   // UTF-8
};

// A DELTA dataset as a genus of the key: the genus list entry, the English character
// file and the species file (Windows-1252, CR LF), a description per item, the character
// notes, and what could not become a row of the key.
struct Conversion {
    GenusEntry genus;
    std::string characterFile;
    std::string speciesFile;
    std::vector<ConvertedItem> items;
    std::string notes;                       // the character notes, for the key author
    std::vector<int> rows;                   // the DELTA number of each character of the key
    std::vector<LeftOut> skippedCharacters;  // not rows of the key (they go into the descriptions)
    std::vector<LeftOut> skippedItems;       // not species of the genus
    std::vector<std::string> remarks;        // UTF-8: what was written otherwise than the dataset has it
};

Conversion convertDataset(const Dataset& dataset, const ConversionOptions& options);

// A comment on a state that makes it a weaker code (after a "."): "?", "rarely",
// "occasionally", "seldom", "uncertain", "doubtful".
bool marksDoubt(const std::string& comment);

}  // namespace sporix::authoring::delta
