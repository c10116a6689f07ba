#include "KeyCheck.h"

#include "CharacterFilesCheck.h"
#include "Cp1252.h"
#include "GenusFolderCheck.h"
#include "GenusListCheck.h"
#include "KeyText.h"
#include "Languages.h"
#include "SeparationCheck.h"
#include "SpeciesFileCheck.h"
#include "ToxicityCheck.h"

namespace sporix::authoring {

namespace {


void checkLanguageTexts(const WorkFolder& folder, Findings& findings) {
    for (int language = 1; language <= kLanguageCount; ++language) {
        const std::string texts = interfaceTextFileName(language);
        if (!folder.fileExists(texts)) {
            findings.add(language == 1 ? Severity::Error : Severity::Warning, "missing-file", shownName(folder, texts),
                         0, "the interface texts are missing; the program cannot start in this language",
                         "copy the 40 lines of InitUK.Txt and translate them");
        } else if (auto bytes = folder.readAll(texts)) {
            checkLineEnds(keyLines(*bytes), shownName(folder, texts), findings);
        }
        const std::string help = languageFileName(kHelpTextStem, language);
        if (!folder.fileExists(help)) {
            findings.warning("missing-file", shownName(folder, help), 0,
                             "the help text is missing; its menu item shows nothing", "write the help text");
        }
    }
}

GenusSummary checkGenus(const WorkFolder& folder, const GenusEntry& genus, const PictureProbe& probe,
                        Findings& findings, int& withoutDrawing) {
    const std::size_t mark = findings.all().size();
    GenusSummary summary{genus.folder, cp1252ToUtf8(genus.displayName)};
    const GenusCharacters characters = checkCharacterFiles(folder, genus, findings);
    summary.languages = characters.languages;
    summary.characters = characters.read.characterCount;
    if (characters.readable) {
        const SpeciesRecords records = checkSpeciesFile(folder, genusFileName(genus, ".SPE"), characters, findings);
        summary.species = static_cast<int>(records.size());
        checkSeparation(records, characters, findings);
        withoutDrawing += checkGenusFolder(folder, genus, records, characters, probe, findings);
        checkToxicityFile(folder, genus, records, findings);
    }
    summary.errors = findings.countSince(mark, Severity::Error);
    summary.warnings = findings.countSince(mark, Severity::Warning);
    return summary;
}

}  // namespace

CheckReport checkKey(const WorkFolder& folder, const PictureProbe& probe) {
    CheckReport report;
    Findings& findings = report.findings;
    checkLanguageTexts(folder, findings);
    int withoutDrawing = 0;
    for (const ListedGenus& listed : checkGenusList(folder, findings)) {
        report.genera.push_back(checkGenus(folder, listed.entry, probe, findings, withoutDrawing));
    }
    if (folder.find(kPlaceholderPicture)) {
        checkPicture(folder, kPlaceholderPicture, probe, findings);
    } else {
        findings.add(withoutDrawing > 0 ? Severity::Error : Severity::Warning, "missing-file", kPlaceholderPicture, 0,
                     withoutDrawing > 0 ? std::to_string(withoutDrawing) +
                                              " species have no drawing, and the picture shown instead is missing"
                                        : "the picture shown for a species without a drawing is missing",
                     "add NoFigs.Jpg");
    }
    return report;
}

}  // namespace sporix::authoring
