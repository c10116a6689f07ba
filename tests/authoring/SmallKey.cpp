#include "SmallKey.h"

#include <sstream>

#include "KeyFixture.h"
#include "KeyTool.h"

namespace sporix::test {

namespace {

const std::vector<std::vector<std::string>> kRecords = {
    {"TEALPHAS*alpha", "R", "A", "M"},
    {"TEBETASP*beta", "G", "B", "H"},
    {"TEGAMMAS*gamma", "Y", "C", "M"},
    {"TEDELTAS*delta", "R.G", "B", "H"},
};

}  // namespace

std::string smallSpeciesFile(int record, int character, const std::string& value) {
    auto records = kRecords;
    if (record >= 0) records[static_cast<std::size_t>(record)][static_cast<std::size_t>(character + 1)] = value;
    return speciesFile(records);
}

void writeLanguageFiles(const TempFolder& folder) {
    for (const char* language : {"UK", "NL", "D", "F", "I", "S"}) {
        folder.write(std::string("Init") + language + ".Txt", numberedTexts());
        folder.write(std::string("Info") + language + ".Txt", "Help\r\n");
    }
    folder.write("NoFigs.Jpg", makeJpeg(8, 8));
}

SmallKey::SmallKey() {
    writeLanguageFiles(folder);
    folder.write("genuslst.txt", crlf({"Tst", "TESTGEN", "Testgenus"}));
    for (const char* extension : {".FEA", ".FEN", ".FED", ".FEF", ".FEI", ".FES"}) {
        folder.write(std::string("TESTGEN") + extension, characterFile(sampleCharacters()));
    }
    folder.write("TESTGEN.SPE", smallSpeciesFile());
    for (const auto& record : kRecords) {
        const std::string code = record.front().substr(0, 8);
        for (const char* extension : {".TXT", ".TXN", ".TXD", ".TXF", ".TXI", ".TXS"}) {
            folder.write("TESTGEN/" + code + extension, record.front() + "\r\n");
        }
        folder.write("TESTGEN/" + code + ".BMP", makeBitmap(4, 3));
        folder.write("TESTGEN/" + code + ".JPG", makeJpeg(8, 8));
    }
    for (int k = 1; k <= 3; ++k) folder.write("TESTGEN/TstPic" + std::to_string(k) + ".Jpg", makeJpeg(8, 8));
}

ToolRun runTool(const std::vector<std::string>& words) {
    std::ostringstream out;
    std::ostringstream err;
    ToolRun run;
    run.status = keytool::runKeyTool(words, {out, err});
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace sporix::test
