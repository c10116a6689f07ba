#pragma once

#include <cstddef>

// The key's fixed table limits. No table of the program grows beyond these.
namespace sporix {

inline constexpr int kMaxGenera = 30;
inline constexpr int kMaxCharacters = 42;   // character rows of the main window
inline constexpr int kMaxStates = 20;       // states per character
inline constexpr int kStateSlots = kMaxStates + 1;  // room for the closing "."
inline constexpr int kMaxSpecies = 350;
inline constexpr int kResultRows = 42;
inline constexpr int kMaxListed = 37;       // species lines of the first kind of searching
inline constexpr int kHistorySlots = 9;     // layers 1..9 of the step history
inline constexpr int kLayers = kHistorySlots + 1;  // layer 0 is the working state
inline constexpr int kCompareSlots = 3;
inline constexpr int kInterfaceTexts = 40;

// Widths of the short texts.
inline constexpr std::size_t kGenusCodeWidth = 3;
inline constexpr std::size_t kGenusFolderWidth = 16;
inline constexpr std::size_t kGenusNameWidth = 16;
inline constexpr std::size_t kSlotWidth = 26;        // character table slots
inline constexpr std::size_t kStateTextWidth = 25;   // chosen texts and drop-down items
inline constexpr std::size_t kDataFileNameWidth = 12;
inline constexpr std::size_t kCompareFileNameWidth = 20;
inline constexpr std::size_t kSpeciesCodeWidth = 8;
inline constexpr std::size_t kResultNameWidth = 45;
inline constexpr std::size_t kSettingsWordWidth = 32;

}  // namespace sporix
