#include "HostileFixture.h"

#include <cstdio>

namespace sporix::test {

void HostileFixture::writeSample() {
    writeGenus(
        "TESTGEN", sampleCharacters(),
        {{"TGALPHA1*alpha", "R", "A", "M"}, {"TGBETA01*beta", "G", "B", "H"}, {"TGGAMMA1*gamma", "R", "B", "M"}});
}

int HostileFixture::lineOf(const std::string& text) const {
    const auto& lines = main().listBox1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == text) return static_cast<int>(i);
    }
    return -1;
}

std::string manySpecies(int count) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count) * 40);
    char name[48];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(name, sizeof name, "S%07d*species %d\r\n", i, i);
        bytes += name;
        bytes += "R\r\nA\r\nM\r\n";
    }
    return bytes;
}

}  // namespace sporix::test
