// The worked example of docs/advisor.md on the bundled key: a newcomer describes a death cap
// in the rest-species search but takes its white flesh for flesh turning wine-red.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "BundledKey.h"
#include "ByteBuffer.h"
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
        for (const char* name :
             {"genuslst.txt", "InitUK.Txt", "AdviceUK.Txt", "AMANITA.FEA", "AMANITA.SPE", "AMANITA.TOX"}) {
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
    // Seven rest species. Cap colour keeps 2, 2, 3, 1, 1, 1, 4, 4, 1, 1, 2, 1, 2, 1, 2 of them
    // over its fifteen states that any of them shows: 68 / 28 = 2.43 left on average, fewer
    // than volva (1, 2, 4, 1, 2: 26 / 10 = 2.6).
    ASSERT_EQ(main().listBox1.size(), 7u);
    ASSERT_GE(state().advice.bestCharacters.size(), 2u);
    const BestCharacter& best = state().advice.bestCharacters[0];
    EXPECT_EQ(best.character, "Cap colour");
    EXPECT_DOUBLE_EQ(best.expectedLeft, 68.0 / 28.0);
    EXPECT_EQ(state().advice.bestCharacters[1].character, "Volva");
    EXPECT_DOUBLE_EQ(state().advice.bestCharacters[1].expectedLeft, 2.6);

    choose("Flesh", "slowly turning wine-red");
    EXPECT_EQ(main().listBox1, std::vector<std::string>{"rubescens"});
    ASSERT_FALSE(state().advice.lookAlikes.empty());
    const LookAlike& deathCap = state().advice.lookAlikes[0];
    EXPECT_EQ(deathCap.species.name, "phalloides");
    EXPECT_EQ(deathCap.species.mark, Toxicity::Deadly);
    EXPECT_EQ(deathCap.reason, LookAlikeReason::NearMiss);
    ASSERT_EQ(deathCap.differences.size(), 1u);
    EXPECT_EQ(deathCap.differences[0].character, "Flesh");
    EXPECT_EQ(deathCap.differences[0].given, (std::vector<std::string>{"white, unchanging", "yellow under cuticle"}));
    // The menu item warns though the advisor was never opened.
    EXPECT_FALSE(state().views.advisor.visible);
    EXPECT_TRUE(main().advisor1Warns);
    EXPECT_EQ(main().advisor1Warning, "A dangerous look-alike is close");
}

}  // namespace
}  // namespace sporix
