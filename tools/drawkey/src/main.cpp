// drawkey: draws the pictures of the bundled key from tools/drawkey/params/*.txt.
//
//   drawkey [--names DATA] OUT PARAMS.txt...
//
// Writes OUT/NoFigs.Jpg and, for every parameters file, OUT/<FOLDER>/<CODE>.BMP,
// OUT/<FOLDER>/<CODE>.JPG and OUT/<FOLDER>/<Code>Pic<n>.Jpg, with English words; the
// placeholder, drawings and character pictures again in each other language's folder
// (OUT/S/NoFigs.Jpg, OUT/<FOLDER>/S/...). Titles take the display names from DATA
// (default OUT): <FOLDER>.SPE and genuslst.txt; labels the states' texts from the
// character files there.
#include "charpic.h"
#include "image_writers.h"
#include "key_files.h"
#include "nofigs.h"
#include "params.h"
#include "picture_language.h"
#include "plate.h"
#include "slide.h"
#include "state_labels.h"

#include <QDir>
#include <QStringList>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct Options {
    QString outFolder;
    QString namesFolder;
    QStringList paramsFiles;
};

void printUsage() {
    std::fputs(
        "usage: drawkey [--names DATA] OUT PARAMS.txt...\n"
        "  OUT    data folder to write NoFigs.Jpg and the genus folders' pictures into\n"
        "  DATA   data folder holding <FOLDER>.SPE and genuslst.txt (default: OUT)\n",
        stderr);
}

bool parseOptions(const QStringList& arguments, Options& options) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--names") && i + 1 < arguments.size())
            options.namesFolder = arguments[++i];
        else if (argument.startsWith(QLatin1String("-")))
            return false;
        else if (options.outFolder.isEmpty())
            options.outFolder = argument;
        else
            options.paramsFiles << argument;
    }
    if (options.namesFolder.isEmpty()) options.namesFolder = options.outFolder;
    return !options.outFolder.isEmpty();
}

void report(const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); }

bool save(const QString& error) {
    if (!error.isEmpty()) report(error);
    return error.isEmpty();
}

QString genusDisplayName(const QString& namesFolder, const GenusParams& genus) {
    // The first word only: a list name such as "Boletus s.l." reads badly before an epithet.
    if (const auto listed = readGenusDisplayName(namesFolder, genus.folder); listed && !listed->isEmpty())
        return listed->section(QLatin1Char(' '), 0, 0);
    const QString folder = genus.folder.toLower();
    return folder.left(1).toUpper() + folder.mid(1);
}

// Warnings only: the pictures are still right, but the key and the parameters disagree.
void checkSpeciesAgainstKey(const Options& options, const GenusParams& genus, const QHash<QString, QString>& names) {
    if (names.isEmpty())
        report(QStringLiteral("warning: no %1.SPE in %2; titles show codes").arg(genus.folder, options.namesFolder));
    for (const SpeciesParams& species : genus.species)
        if (!names.isEmpty() && !names.contains(species.code.toUpper()))
            report(QStringLiteral("warning: %1 is not in %2.SPE").arg(species.code, genus.folder));
}

// A language's pictures of one genus: its labelled character pictures, none where the key
// has no character file in that language.
struct LanguagePictures {
    const PictureLanguage* language = nullptr;
    std::vector<CharPicParams> charPics;
};

// The pictures of every language, and in `problems` what keeps the genus from being drawn:
// a picture that leaves out a state of its character or cannot show a label whole.
std::vector<LanguagePictures> labelGenus(const Options& options, const GenusParams& genus, const QString& paramsPath,
                                         QStringList& problems) {
    std::vector<LanguagePictures> labelled;
    for (const PictureLanguage& language : pictureLanguages()) {
        LanguagePictures pictures{&language, {}};
        const QString characterFile = genus.folder + language.characterExtension;
        const auto states = readStateTexts(options.namesFolder, genus.folder, language.characterExtension);
        if (!states) {
            // Without the English file the pictures have no labels; without another
            // language's, the program shows that language the English pictures.
            if (language.isCommon() && !genus.charPics.empty())
                problems << QStringLiteral("%1: no %2 in %3: the character pictures take their labels from it")
                                .arg(paramsPath, characterFile, options.namesFolder);
            else if (!genus.charPics.empty())
                report(QStringLiteral("warning: no %1 in %2; its character pictures are not drawn")
                           .arg(characterFile, options.namesFolder));
            labelled.push_back(std::move(pictures));
            continue;
        }
        if (language.isCommon()) problems << checkPanelNotes(genus, *states, paramsPath);
        pictures.charPics = labelledPictures(genus, *states, characterFile, paramsPath, problems);
        for (const CharPicParams& picture : pictures.charPics)
            for (const QString& problem : charPictureProblems(picture))
                problems
                    << QStringLiteral("%1:%2: %3: %4").arg(paramsPath).arg(picture.line).arg(characterFile, problem);
        labelled.push_back(std::move(pictures));
    }
    return labelled;
}

// The folder of a language's pictures beside the common ones in `common`.
std::optional<QDir> languageFolder(const QDir& common, const PictureLanguage& language) {
    if (language.isCommon()) return common;
    if (!common.mkpath(language.folder)) {
        report(QStringLiteral("cannot create %1").arg(common.filePath(language.folder)));
        return std::nullopt;
    }
    return QDir(common.filePath(language.folder));
}

// The drawings and character pictures of one language; the slides carry no words and are
// drawn once, with the common pictures.
bool drawLanguage(const GenusParams& genus, const QString& genusName, const QHash<QString, QString>& names,
                  const LanguagePictures& pictures, const QDir& folder) {
    const PictureLanguage& language = *pictures.language;
    bool ok = true;
    for (const SpeciesParams& species : genus.species) {
        const QString title = genusName + QLatin1Char(' ') + names.value(species.code.toUpper(), species.code);
        ok = save(writeInkBmp(drawPlate(species, title, language),
                              folder.filePath(species.code + QLatin1String(".BMP")))) &&
             ok;
        if (language.isCommon())
            ok = save(writeJpeg(drawSlide(species), folder.filePath(species.code + QLatin1String(".JPG")))) && ok;
    }
    for (const CharPicParams& picture : pictures.charPics) {
        const QString name = QStringLiteral("%1Pic%2.Jpg").arg(genus.code).arg(picture.character);
        ok = save(writeJpeg(drawCharPicture(picture, genus.code), folder.filePath(name))) && ok;
    }
    return ok;
}

bool drawGenus(const Options& options, const GenusParams& genus, const std::vector<LanguagePictures>& languages) {
    const QDir out(options.outFolder);
    if (!out.mkpath(genus.folder)) {
        report(QStringLiteral("cannot create %1").arg(out.filePath(genus.folder)));
        return false;
    }
    const QDir common(out.filePath(genus.folder));
    const QHash<QString, QString> names = readSpeciesNames(options.namesFolder, genus.folder);
    checkSpeciesAgainstKey(options, genus, names);
    const QString genusName = genusDisplayName(options.namesFolder, genus);
    bool ok = true;
    for (const LanguagePictures& pictures : languages) {
        const auto folder = languageFolder(common, *pictures.language);
        ok = folder && drawLanguage(genus, genusName, names, pictures, *folder) && ok;
    }
    std::printf("%s: %d species, %d character pictures, in %d languages\n", qPrintable(genus.folder),
                int(genus.species.size()), int(genus.charPics.size()), int(languages.size()));
    return ok;
}

bool drawPlaceholders(const QString& outFolder) {
    bool ok = true;
    for (const PictureLanguage& language : pictureLanguages()) {
        const auto folder = languageFolder(QDir(outFolder), language);
        ok = folder &&
             save(writeJpeg(drawNoFigs(language.noDrawing), folder->filePath(QStringLiteral("NoFigs.Jpg")))) && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    Options options;
    if (!parseOptions(arguments, options)) {
        printUsage();
        return 2;
    }
    if (!QDir().mkpath(options.outFolder)) {
        report(QStringLiteral("cannot create %1").arg(options.outFolder));
        return 1;
    }
    bool ok = drawPlaceholders(options.outFolder);
    for (const QString& path : options.paramsFiles) {
        const ParamsReadResult result = readParamsFile(path);
        for (const QString& error : result.errors) report(error);
        if (!result.genus) {
            ok = false;
            continue;
        }
        QStringList problems;
        const std::vector<LanguagePictures> languages = labelGenus(options, *result.genus, path, problems);
        for (const QString& problem : problems) report(problem);
        ok = problems.isEmpty() && drawGenus(options, *result.genus, languages) && ok;
    }
    return ok ? 0 : 1;
}
