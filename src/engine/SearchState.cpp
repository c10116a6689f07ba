#include "SearchState.h"

#include <stdexcept>
#include <string>

namespace sporix {

namespace {

// Turns a 1-based number into an index of a table of `size` entries.
std::size_t checked(int number, int size, const char* what) {
    if (number < 1 || number > size) throw std::out_of_range(std::string(what) + " " + std::to_string(number) + " is outside its table");
    return static_cast<std::size_t>(number - 1);
}

}  // namespace

SearchState::Layer& SearchState::layerAt(int layer) {
    return layers_[checked(layer + 1, kLayers, "layer")];
}

const SearchState::Layer& SearchState::layerAt(int layer) const {
    return layers_[checked(layer + 1, kLayers, "layer")];
}

std::string& SearchState::chosenText(int layer, int row) {
    return layerAt(layer).chosenTexts[checked(row, kMaxCharacters, "row")];
}

const std::string& SearchState::chosenText(int layer, int row) const {
    return layerAt(layer).chosenTexts[checked(row, kMaxCharacters, "row")];
}

std::uint16_t& SearchState::mark(int layer, int record) {
    return layerAt(layer).marks[checked(record, kMaxSpecies, "record")];
}

std::uint16_t SearchState::mark(int layer, int record) const {
    return layerAt(layer).marks[checked(record, kMaxSpecies, "record")];
}

std::uint8_t& SearchState::usedState(int layer, int row, int state) {
    return layerAt(layer).usedStates[checked(row, kMaxCharacters, "row")][checked(state, kMaxStates, "state")];
}

std::uint8_t SearchState::usedState(int layer, int row, int state) const {
    return layerAt(layer).usedStates[checked(row, kMaxCharacters, "row")][checked(state, kMaxStates, "state")];
}

void SearchState::copyLayer(int from, int to, int markCount, int rowCount) {
    for (int record = 1; record <= markCount; ++record) mark(to, record) = mark(from, record);
    for (int row = 1; row <= rowCount; ++row) {
        chosenText(to, row) = chosenText(from, row);
        for (int state = 1; state <= kMaxStates; ++state) usedState(to, row, state) = usedState(from, row, state);
    }
}

void SearchState::markAllSpecies() {
    for (auto& layer : layers_) layer.marks.fill(1);
}

void SearchState::clearUsedStates(int rowCount) {
    for (int layer = 0; layer < kLayers; ++layer) {
        for (int row = 1; row <= rowCount; ++row) {
            for (int state = 1; state <= kMaxStates; ++state) usedState(layer, row, state) = 0;
        }
    }
}

}  // namespace sporix
