// The worked example of docs/advisor.md on the bundled key: a newcomer describes a death cap
// in the rest-species search but takes its white flesh for flesh turning wine-red.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "BundledKey.h"
#include "ByteBuffer.h"
#include "Cp1252.h"
#include "GenusList.h"
#include "KeyFixture.h"

namespace sporix {
namespace {

namespace fs = std::filesystem;

class AdvisorExample : public test::KeyFixture {
protected:
    // Amanita's files in the test's own working folder; its menu item number, or 0.
    int copyAmanita() {
        const fs::path key = test::bundledKeyFolder();
        for (const char* name : {"genuslst.txt", "InitUK.Txt", "AdviceUK.Txt", "AMANITA.FEA", "AMANITA.SPE", "AMANITA.TOX"}) {
            folder.write(name, test::readKeyFile(key / name));
        }
        GenusList genera;
        const std::string list = folder.read("genuslst.txt");
        ByteBuffer buffer(list);
        const int count = readGenusList(buffer, genera);
        for (int i = 0; i < count; ++i) {
            if (genera[static_cast<std::size_t>(i)].folder == "AMANITA") return i + 1;
        }
        return 0;
    }

    void choose(const std::string& character, const std::string& state) {
        const auto& rows = main().rows;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (rows[r].labelCaption.rfind(character, 0) != 0) continue;
            for (const std::string& item : rows[r].comboItems) {
                if (item.rfind(state, 0) != 0) continue;
                std::vector<std::string> texts;
                for (const auto& row : rows) texts.push_back(row.comboText);
                texts[r] = item;
                program.ComboBoxChange(texts);
                return;
            }
        }
        FAIL() << "no state " << state << " of " << character;
    }
};

TEST_F(AdvisorExample, DeathCapWithMisjudgedFleshIsADeadlyNearMiss) {
    if (!fs::exists(test::bundledKeyFolder() / "AMANITA.SPE")) GTEST_SKIP() << "the key has no Amanita";
    const int item = copyAmanita();
    ASSERT_NE(item, 0);
    folder.write("SpxInit.txt", "1\r\n2\r\n");
    program.N31Click();
    program.Genera1Click();
    program.GenusItemClick(item);
    choose("Stem base", "globose bulb");
    choose("Ring", "striate on upper side");
    for (const auto& line : state().views.advisor.lines) std::cout << cp1252ToUtf8(line.text) << "\n";
    choose("Flesh", "slowly turning wine-red");
    for (const auto& line : state().views.advisor.lines) std::cout << cp1252ToUtf8(line.text) << "\n";
}

}  // namespace
}  // namespace sporix
