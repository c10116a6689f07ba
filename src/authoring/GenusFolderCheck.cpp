#include "GenusFolderCheck.h"

#include <array>

#include "KeyText.h"
#include "LanguagePicture.h"
#include "Languages.h"
#include "ShortText.h"

namespace sporix::authoring {

namespace {

const char* const kTranslationNames[] = {"", "Dutch", "German", "French", "Italian", "Spanish"};

// A file the program opens when it exists; one that exists but cannot be read is an error.
bool usable(const WorkFolder& folder, const std::string& name, Findings& findings) {
    if (!folder.find(name)) return false;
    if (folder.fileExists(name) && folder.openForReading(name)) return true;
    findings.error("unreadable-file", shownName(folder, name), 0, "the file exists but cannot be read",
                   "make it a readable file");
    return false;
}

// Counts, per language, the species whose description falls back to English.
using FallBacks = std::array<int, kLanguageCount>;

void checkDescriptions(const WorkFolder& folder, const std::string& prefix, const std::string& code, int line,
                       const std::string& speciesFile, FallBacks& fallBacks, Findings& findings) {
    if (!usable(folder, prefix + code + kEnglishDescriptionExtension, findings)) {
        findings.warning("no-description", speciesFile, line,
                         "species " + quoted(code) + " has no description " +
                             quoted(prefix + code + kEnglishDescriptionExtension) +
                             "; the program says it is not found",
                         "write the description");
        return;
    }
    for (int language = 2; language <= kLanguageCount; ++language) {
        if (!usable(folder, prefix + cut(code + descriptionExtension(language), kDataFileNameWidth), findings)) {
            ++fallBacks[static_cast<std::size_t>(language - 1)];
        }
    }
}

void noteFallBacks(const FallBacks& fallBacks, std::size_t species, const std::string& speciesFile,
                   Findings& findings) {
    for (int language = 2; language <= kLanguageCount; ++language) {
        const int count = fallBacks[static_cast<std::size_t>(language - 1)];
        if (count == 0) continue;
        findings.note("description-falls-back", speciesFile, 0,
                      std::to_string(count) + " of " + std::to_string(species) + " species have no " +
                          kTranslationNames[language - 1] + " description; English is shown",
                      "translate the descriptions");
    }
}

}  // namespace

void checkPicture(const WorkFolder& folder, const std::string& name, const PictureProbe& probe, Findings& findings) {
    for (int language = 0; language <= kLanguageCount; ++language) {
        const std::string version = language == 0 ? name : languagePictureName(name, language);
        if (!usable(folder, version, findings)) continue;
        const std::string reason = probe(version);
        if (reason.empty()) continue;
        findings.error("picture-broken", shownName(folder, version), 0, "the picture does not decode: " + reason,
                       "save it again as a plain bitmap (.BMP) or baseline JPEG (.JPG)");
    }
}

int checkGenusFolder(const WorkFolder& folder, const GenusEntry& genus, const SpeciesRecords& records,
                     const GenusCharacters& characters, const PictureProbe& probe, Findings& findings) {
    const std::string prefix = genus.folder + "\\";
    if (!folder.find(genus.folder)) {
        findings.warning("no-genus-folder", shownName(folder, genus.folder), 0,
                         "the genus folder is missing: no species has a description or pictures",
                         "make the folder and put the descriptions and pictures in it");
        return static_cast<int>(records.size());
    }
    int withoutDrawing = 0;
    FallBacks fallBacks{};
    for (std::size_t r = 0; r < records.size(); ++r) {
        const std::string code = records.code(r);
        checkDescriptions(folder, prefix, code, records.lines[r], records.file, fallBacks, findings);
        const std::string drawing = prefix + cut(code + ".BMP", kDataFileNameWidth);
        if (folder.find(drawing)) {
            checkPicture(folder, drawing, probe, findings);
        } else {
            ++withoutDrawing;
            findings.note("no-drawing", records.file, records.lines[r],
                          "species " + quoted(code) + " has no drawing " + quoted(drawing) + "; NoFigs.Jpg is shown",
                          "draw the microscopical features");
        }
        checkPicture(folder, prefix + cut(code + ".JPG", kDataFileNameWidth), probe, findings);
    }
    noteFallBacks(fallBacks, records.size(), records.file, findings);
    std::string missing;
    for (int k = 1; k <= kMaxCharacters; ++k) {
        const std::string picture = prefix + genus.code + "Pic" + std::to_string(k) + ".Jpg";
        if (folder.find(picture)) {
            checkPicture(folder, picture, probe, findings);
        } else if (k <= characters.read.characterCount) {
            missing += (missing.empty() ? "" : ", ") + std::to_string(k);
        }
    }
    if (!missing.empty()) {
        findings.note("no-character-picture", characters.file, 0,
                      "no picture for characters " + missing + "; their \"?\" buttons stay disabled",
                      "add " + genus.code + "Pic<n>.Jpg to the genus folder where a picture helps");
    }
    return withoutDrawing;
}

}  // namespace sporix::authoring
