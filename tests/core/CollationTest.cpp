#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "NameCollation.h"

namespace sporix {
namespace {

TEST(NameCollation, LettersBeforeAccentsBeforeCase) {
    std::vector<std::string> names = {"zonarius", "\xC9mile", "emile", "Emile", "\xE9mile", "aurea", "Aurea", "b\xE6ta",
                                      "bad", "stra\xDF" "e", "strasse", "strb", "10", "2"};
    std::sort(names.begin(), names.end(), collatesBefore);
    EXPECT_EQ(names, (std::vector<std::string>{"10", "2", "aurea", "Aurea", "bad", "b\xE6ta", "emile", "Emile", "\xE9mile",
                                               "\xC9mile", "strasse", "stra\xDF" "e", "strb", "zonarius"}));
}

TEST(NameCollation, IsAStrictOrder) {
    const std::vector<std::string> names = {"a", "A", "\xE0", "\xC0", "ae", "\xE6", "a b", "a-b"};
    for (const auto& a : names) {
        EXPECT_FALSE(collatesBefore(a, a)) << a;
        for (const auto& b : names) {
            if (a == b) continue;
            EXPECT_NE(collatesBefore(a, b), collatesBefore(b, a)) << a << " / " << b;
        }
    }
}

}  // namespace
}  // namespace sporix
