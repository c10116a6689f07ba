// The table import: any bytes are either refused with a row and a reason, or give a
// species file of whole records whose every value line reads back to the same cells.
#include <algorithm>
#include <memory>

#include "FuzzSupport.h"
#include "GenusTable.h"
#include "TableText.h"

using namespace sporix;
using namespace sporix::authoring;

namespace {

// The sample genus: cap colour (red R, green G), taste (mild M, acrid H).
std::unique_ptr<CharacterTable> characters() {
    auto table = std::make_unique<CharacterTable>();
    (*table)[0] = {"Cap colour", {"red                      R", "green                    G", "."}};
    (*table)[1] = {"Taste", {"mild                     M", "acrid                    H", "."}};
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto table = characters();
    const TableGenus genus{*table, 2};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto rows = parseTable(text);
    fuzz::require(rows.size() <= size + 1, "more rows than bytes");
    const TableImport imported = importGenusTable(genus, text);
    if (imported.problem) {
        fuzz::require(imported.speciesFile.empty() && !imported.problem->what.empty() && imported.problem->row >= 1,
                      "refused without a row and a reason, or with a half file");
        return 0;
    }
    fuzz::require(imported.species >= 1, "a species file of no species");
    const auto lines = std::count(imported.speciesFile.begin(), imported.speciesFile.end(), '\n');
    fuzz::require(lines == imported.species * 3, "records that are not whole");
    const TableExport exported = exportGenusTable(genus, imported.speciesFile);
    fuzz::require(!exported.problem, "an imported species file that cannot be exported");
    const TableImport again = importGenusTable(genus, exported.table);
    fuzz::require(!again.problem && again.speciesFile == imported.speciesFile, "the table does not read back the same");
    return 0;
}
