#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "FieldGuideCases.h"
#include "KeyFixture.h"

namespace sporix::test {

// Where a case's species stands once all its features are chosen in the first kind.
struct FirstKindPlace {
    bool listed = false;
    int ahead = 0;        // listed species with a higher percentage
    bool shared = false;  // another species has the same percentage
    bool first() const { return listed && ahead == 0 && !shared; }
    bool inTopThree() const { return listed && ahead < 3; }
};

// Where a case's species stands after its features, chosen one by one, in the second kind.
struct RestSearchPlace {
    bool kept = false;      // still a rest species
    bool nearMiss = false;  // removed, but named by the advisor as nearly fitting
};

// The bundled key's genus of a case file in the test's own working folder, opened as a user
// opens it, with the steps that put a case's features into the drop-down lists.
class FieldGuideFixture : public KeyFixture {
protected:
    using Picks = std::vector<std::pair<std::size_t, std::string>>;

    // The genus's files in the working folder; its menu item number, or 0.
    int copyGenus(const std::string& folderName);
    void openBundledGenus(int item, int kind);
    // The drop-down texts that pick the case's features, or an empty vector with a failure.
    Picks picks(const FieldGuideCase& fieldCase);
    FirstKindPlace placeInFirstKind(int item, const FieldGuideCase& fieldCase, const Picks& chosen);
    RestSearchPlace placeInRestSearch(int item, const FieldGuideCase& fieldCase, const Picks& chosen);

private:
    std::vector<std::string> texts(const Picks& chosen, std::size_t count) const;
};

}  // namespace sporix::test
