// The DELTA reader and converter: any directives file is read to a dataset (with its
// problems) and converted to a genus whose files the key's readers take whole: at most
// 42 characters of at most 20 states, and one record per item.
#include <memory>

#include "ByteBuffer.h"
#include "CharacterFile.h"
#include "DeltaConversion.h"
#include "FuzzSupport.h"
#include "SpeciesFile.h"

using namespace sporix;
using namespace sporix::authoring::delta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const Dataset dataset = readDataset({{"items", bytes}});
    for (const Problem& problem : dataset.problems) {
        fuzz::require(problem.line >= 1 && !problem.what.empty(), "a problem without a line or a reason");
    }
    const Conversion conversion = convertDataset(dataset, {{}, "GENUS", "Genus", "Gen"});
    ByteBuffer characterBuffer(conversion.characterFile);
    auto table = std::make_unique<CharacterTable>();
    const CharacterFileRead read = readCharacterFile(characterBuffer, *table);
    fuzz::require(!read.cuts.any() && read.characterCount == static_cast<int>(conversion.rows.size()),
                  "the character file is cut or holds another number of characters");
    if (dataset.items.empty()) return 0;
    ByteBuffer speciesBuffer(conversion.speciesFile);
    const RecordCount count = countSpeciesRecords(speciesBuffer, {read.characterCount, 0});
    fuzz::require(count.records == std::min<int>(static_cast<int>(dataset.items.size()), kMaxSpecies),
                  "records counted: " + std::to_string(count.records) + " for " + std::to_string(dataset.items.size()) +
                      " items");
    fuzz::require(conversion.items.size() + conversion.skippedItems.size() == dataset.items.size(),
                  "an item neither written nor listed as skipped");
    return 0;
}
