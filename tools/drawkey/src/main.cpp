// drawkey: draws the pictures of the bundled key from tools/drawkey/params/*.txt.
//
//   drawkey [--names DATA] OUT PARAMS.txt...
//
// Writes OUT/NoFigs.Jpg and, for every parameters file, OUT/<FOLDER>/<CODE>.BMP,
// OUT/<FOLDER>/<CODE>.JPG and OUT/<FOLDER>/<Code>Pic<n>.Jpg. Titles take the display
// names from DATA (default OUT): <FOLDER>.SPE and genuslst.txt.
#include "charpic.h"
#include "image_writers.h"
#include "key_files.h"
#include "nofigs.h"
#include "params.h"
#include "plate.h"
#include "slide.h"

#include <QDir>
#include <QStringList>

#include <cstdio>

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

// Errors: a picture that leaves out a state of its character, or cannot show a label whole.
QStringList picturesProblems(const Options& options, const GenusParams& genus, const QString& paramsPath) {
    QStringList problems;
    if (const auto stateCounts = readStateCounts(options.namesFolder, genus.folder))
        problems << checkPanelsAgainstStates(genus, *stateCounts, paramsPath);
    else if (!genus.charPics.empty())
        report(QStringLiteral("warning: no %1.FEA in %2; the pictures' panels are not checked against the states")
                   .arg(genus.folder, options.namesFolder));
    for (const CharPicParams& picture : genus.charPics)
        for (const QString& problem : charPictureProblems(picture))
            problems << QStringLiteral("%1:%2: %3").arg(paramsPath).arg(picture.line).arg(problem);
    return problems;
}

bool drawGenus(const Options& options, const GenusParams& genus) {
    const QDir out(options.outFolder);
    if (!out.mkpath(genus.folder)) {
        report(QStringLiteral("cannot create %1").arg(out.filePath(genus.folder)));
        return false;
    }
    const QDir folder(out.filePath(genus.folder));
    const QHash<QString, QString> names = readSpeciesNames(options.namesFolder, genus.folder);
    checkSpeciesAgainstKey(options, genus, names);
    const QString genusName = genusDisplayName(options.namesFolder, genus);
    bool ok = true;
    for (const SpeciesParams& species : genus.species) {
        const QString title = genusName + QLatin1Char(' ') + names.value(species.code.toUpper(), species.code);
        ok = save(writeInkBmp(drawPlate(species, title), folder.filePath(species.code + QLatin1String(".BMP")))) && ok;
        ok = save(writeJpeg(drawSlide(species), folder.filePath(species.code + QLatin1String(".JPG")))) && ok;
    }
    for (const CharPicParams& picture : genus.charPics) {
        const QString name = QStringLiteral("%1Pic%2.Jpg").arg(genus.code).arg(picture.character);
        ok = save(writeJpeg(drawCharPicture(picture, genus.code), folder.filePath(name))) && ok;
    }
    std::printf("%s: %d species, %d character pictures\n", qPrintable(genus.folder), int(genus.species.size()),
                int(genus.charPics.size()));
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
    bool ok = save(writeJpeg(drawNoFigs(), QDir(options.outFolder).filePath(QStringLiteral("NoFigs.Jpg"))));
    for (const QString& path : options.paramsFiles) {
        const ParamsReadResult result = readParamsFile(path);
        for (const QString& error : result.errors) report(error);
        const QStringList problems = result.genus ? picturesProblems(options, *result.genus, path) : QStringList();
        for (const QString& problem : problems) report(problem);
        if (!result.genus || !problems.isEmpty()) {
            ok = false;
            continue;
        }
        ok = drawGenus(options, *result.genus) && ok;
    }
    return ok ? 0 : 1;
}
