#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "DeltaText.h"

namespace sporix::authoring::delta {

// The directives a dataset's data lives in; others are passed over.
enum class DirectiveKind {
    Other,
    NumberOfCharacters,
    CharacterTypes,
    NumbersOfStates,
    ImplicitValues,
    DependentCharacters,
    CharacterList,
    ItemDescriptions,
    CharacterNotes,
    InputFile,
};

struct Directive {
    DirectiveKind kind = DirectiveKind::Other;
    Piece data;  // after the control phrase, up to the next directive
};

// The directives of one file: each starts with "*" at the start of a line or after a
// blank (never inside a comment), then the control phrase of up to four upper-case
// words, of which only the first three letters count.
std::vector<Directive> splitDirectives(std::string_view file);

// The files that the INPUT FILE directives of `file` name, in order.
std::vector<std::string> inputFileNames(std::string_view file);

}  // namespace sporix::authoring::delta
