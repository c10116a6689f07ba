#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Limits.h"

namespace sporix {

// What the user has chosen and which species are still in play. Layer 0 is the working
// state; layers 1..9 are the snapshots of the step history. Rows are 1..42, records
// 1..350, states 1..20; an index outside its table throws std::out_of_range.
class SearchState {
public:
    std::string& chosenText(int layer, int row);
    const std::string& chosenText(int layer, int row) const;
    std::uint16_t& mark(int layer, int record);
    std::uint16_t mark(int layer, int record) const;
    std::uint8_t& usedState(int layer, int row, int state);
    std::uint8_t usedState(int layer, int row, int state) const;

    // Copies marks 1..markCount, and the chosen texts and flags of rows 1..rowCount.
    void copyLayer(int from, int to, int markCount, int rowCount);
    // Marks 1..350 := 1 in every layer.
    void markAllSpecies();
    // The flags of rows 1..rowCount := 0 in every layer.
    void clearUsedStates(int rowCount);

    std::uint16_t stepNumber = 0;
    bool steppingBack = false;
    std::uint16_t listedCount = 0;
    std::array<std::string, kCompareSlots> compareNames;

private:
    struct Layer {
        std::array<std::string, kMaxCharacters> chosenTexts;
        std::array<std::uint16_t, kMaxSpecies> marks{};
        std::array<std::array<std::uint8_t, kMaxStates>, kMaxCharacters> usedStates{};
    };

    Layer& layerAt(int layer);
    const Layer& layerAt(int layer) const;

    std::array<Layer, kLayers> layers_;
};

}  // namespace sporix
