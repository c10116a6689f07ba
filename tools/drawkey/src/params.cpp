#include "params.h"

#include "colour_notation.h"

#include <QFile>
#include <QSet>

namespace {

constexpr double smallestSporeMicrons = 1.0;
constexpr double largestSporeMicrons = 40.0;
constexpr int fewestPanels = 2;
constexpr int mostPanels = 20;  // as many as a character may have states

class ParamsParser {
public:
    explicit ParamsParser(QString sourceName) : sourceName_(std::move(sourceName)) {}

    ParamsReadResult parse(const QByteArray& content);

private:
    void parseLine(const QString& line);
    void parseGenus(const QStringList& fields);
    void parseSpecies(const QStringList& fields);
    void parseCharPic(const QStringList& fields);
    std::optional<PicturePanel> parsePanel(const CharPicKind& kind, const QString& item);
    std::optional<MicronRange> parseRange(const QString& text, const char* what);
    void fail(const QString& message) {
        errors_ << QStringLiteral("%1:%2: %3").arg(sourceName_).arg(lineNumber_).arg(message);
    }

    QString sourceName_;
    int lineNumber_ = 0;
    bool sawGenus_ = false;
    GenusParams genus_;
    QSet<QString> speciesCodes_;
    QSet<int> characters_;
    QStringList errors_;
};

ParamsReadResult ParamsParser::parse(const QByteArray& content) {
    QString text = QString::fromUtf8(content);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& rawLine : lines) {
        ++lineNumber_;
        QString line = rawLine;
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#'))) continue;
        parseLine(line.trimmed());
    }
    if (!sawGenus_ && errors_.isEmpty()) errors_ << QStringLiteral("%1: no genus line").arg(sourceName_);
    ParamsReadResult result;
    result.errors = errors_;
    if (errors_.isEmpty()) result.genus = genus_;
    return result;
}

void ParamsParser::parseLine(const QString& line) {
    QStringList fields = line.split(QLatin1Char(';'));
    for (QString& field : fields) field = field.trimmed();
    const QString& tag = fields.first();
    if (!sawGenus_ && tag != QLatin1String("genus")) {
        fail(QStringLiteral("the first line must be the genus line"));
        sawGenus_ = true;  // report the missing genus line once only
        return;
    }
    if (tag == QLatin1String("genus"))
        parseGenus(fields);
    else if (tag == QLatin1String("species"))
        parseSpecies(fields);
    else if (tag == QLatin1String("charpic"))
        parseCharPic(fields);
    else
        fail(QStringLiteral("unknown line kind \"%1\"").arg(tag));
}

void ParamsParser::parseGenus(const QStringList& fields) {
    if (sawGenus_) {
        fail(QStringLiteral("a second genus line"));
        return;
    }
    sawGenus_ = true;
    if (fields.size() != 3) {
        fail(QStringLiteral("genus line needs 3 fields: genus;<Code>;<FOLDER>"));
        return;
    }
    genus_.code = fields[1];
    genus_.folder = fields[2];
    if (genus_.code.size() != 3) fail(QStringLiteral("genus code \"%1\" must have 3 characters").arg(genus_.code));
    if (genus_.folder.isEmpty() || genus_.folder.size() > 8)
        fail(QStringLiteral("folder \"%1\" must have 1 to 8 characters").arg(genus_.folder));
}

std::optional<MicronRange> ParamsParser::parseRange(const QString& text, const char* what) {
    const QStringList parts = text.split(QLatin1Char('-'));
    bool minOk = false;
    bool maxOk = false;
    MicronRange range;
    if (parts.size() == 2) {
        range.min = parts[0].toDouble(&minOk);
        range.max = parts[1].toDouble(&maxOk);
    }
    if (!minOk || !maxOk) {
        fail(QStringLiteral("%1 \"%2\" is not <min>-<max>").arg(QLatin1String(what), text));
        return std::nullopt;
    }
    if (range.min > range.max || range.min < smallestSporeMicrons || range.max > largestSporeMicrons) {
        fail(QStringLiteral("%1 %2 is out of order or outside %3-%4 um")
                 .arg(QLatin1String(what), text)
                 .arg(smallestSporeMicrons)
                 .arg(largestSporeMicrons));
        return std::nullopt;
    }
    return range;
}

void ParamsParser::parseSpecies(const QStringList& fields) {
    if (fields.size() != 8) {
        fail(QStringLiteral("species line needs 8 fields, has %1").arg(fields.size()));
        return;
    }
    SpeciesParams species;
    species.code = fields[1];
    if (species.code.size() != 8)
        fail(QStringLiteral("species code \"%1\" must have 8 characters").arg(species.code));
    else if (speciesCodes_.contains(species.code.toUpper()))
        fail(QStringLiteral("species %1 appears twice").arg(species.code));
    speciesCodes_.insert(species.code.toUpper());

    const auto shape = sporeShapeNamed(fields[2].toStdString());
    const auto length = parseRange(fields[3], "spore length");
    const auto width = parseRange(fields[4], "spore width");
    const auto ornament = ornamentNamed(fields[5].toStdString());
    const auto cystidia = cystidiaNamed(fields[6].toStdString());
    const auto reaction = reactionNamed(fields[7].toStdString());
    if (!shape) fail(QStringLiteral("unknown spore shape \"%1\"").arg(fields[2]));
    if (!ornament) fail(QStringLiteral("unknown ornament \"%1\"").arg(fields[5]));
    if (!cystidia) fail(QStringLiteral("unknown cystidia \"%1\"").arg(fields[6]));
    if (!reaction) fail(QStringLiteral("unknown reaction \"%1\"").arg(fields[7]));
    if (!shape || !length || !width || !ornament || !cystidia || !reaction) return;
    if (width->min > length->max)
        fail(QStringLiteral("spore width %1 exceeds the length %2").arg(fields[4], fields[3]));
    species.shape = *shape;
    species.length = *length;
    species.width = *width;
    species.ornament = *ornament;
    species.cystidia = *cystidia;
    species.reaction = *reaction;
    genus_.species.push_back(species);
}

void ParamsParser::parseCharPic(const QStringList& fields) {
    if (fields.size() != 4) {
        fail(QStringLiteral("charpic line needs 4 fields: charpic;<n>;<kind>;<keyword>=<Label>|..."));
        return;
    }
    CharPicParams picture;
    picture.line = lineNumber_;
    bool numberOk = false;
    picture.character = fields[1].toInt(&numberOk);
    if (!numberOk || picture.character < 1) {
        fail(QStringLiteral("character number \"%1\" is not a positive number").arg(fields[1]));
        return;
    }
    if (characters_.contains(picture.character))
        fail(QStringLiteral("character %1 has a second charpic line").arg(picture.character));
    characters_.insert(picture.character);

    picture.kind = charPicKindNamed(fields[2].toStdString());
    if (!picture.kind) {
        fail(QStringLiteral("unknown picture kind \"%1\"").arg(fields[2]));
        return;
    }
    const QStringList items = fields[3].split(QLatin1Char('|'));
    for (const QString& item : items)
        if (const auto panel = parsePanel(*picture.kind, item)) picture.panels.push_back(*panel);
    const int panelCount = int(items.size());
    if (panelCount < fewestPanels || panelCount > mostPanels)
        fail(QStringLiteral("a picture needs %1 to %2 panels, this one has %3")
                 .arg(fewestPanels)
                 .arg(mostPanels)
                 .arg(panelCount));
    genus_.charPics.push_back(picture);
}

// <keyword> or <keyword>=<note>, the keyword maybe <word>@#RRGGBB in a tinted kind, a
// colour notation in a colour scale. Reports what is wrong and gives nothing then.
std::optional<PicturePanel> ParamsParser::parsePanel(const CharPicKind& kind, const QString& item) {
    const qsizetype equals = item.indexOf(QLatin1Char('='));
    PicturePanel panel;
    panel.keyword = item.left(equals).trimmed();
    panel.note = equals < 0 ? QString() : item.mid(equals + 1).trimmed();
    panel.label = panel.note;
    if (panel.keyword.isEmpty() || (equals >= 0 && panel.note.isEmpty())) {
        fail(QStringLiteral("panel \"%1\" is not <keyword> or <keyword>=<state>").arg(item));
        return std::nullopt;
    }
    const QString kindName = QString::fromLatin1(kind.name.data(), qsizetype(kind.name.size()));
    if (kind.takesColours) {
        if (parseColourNotation(panel.keyword.toStdString())) return panel;
        fail(QStringLiteral("\"%1\" is not a colour, two colours or a change of colours (see README.md)")
                 .arg(panel.keyword));
        return std::nullopt;
    }
    const qsizetype at = panel.keyword.indexOf(QLatin1Char('@'));
    if (at >= 0 && kind.takesTint) {
        const QString tint = panel.keyword.mid(at + 1);
        const auto colours = parseColourNotation(tint.toStdString());
        panel.keyword.truncate(at);
        if (!colours || colours->size() != 1 || colours->front().pattern != SwatchPattern::Plain) {
            fail(QStringLiteral("tint \"%1\" is not #RRGGBB").arg(tint));
            return std::nullopt;
        }
        panel.tint = colours->front().first;
    }
    if (!kindHasKeyword(kind, panel.keyword.toStdString())) {
        fail(QStringLiteral("%1 has no keyword \"%2\"").arg(kindName, panel.keyword));
        return std::nullopt;
    }
    return panel;
}

}  // namespace

QStringList checkPanelNotes(const GenusParams& genus, const std::vector<QStringList>& englishStates,
                            const QString& sourceName) {
    const auto plain = [](QString text) { return text.replace(QChar(0x00A0), QLatin1Char(' ')); };
    QStringList errors;
    for (const CharPicParams& picture : genus.charPics) {
        if (picture.character > int(englishStates.size())) continue;  // the labelling reports it
        const QStringList& states = englishStates[std::size_t(picture.character - 1)];
        for (qsizetype i = 0; i < qsizetype(picture.panels.size()) && i < states.size(); ++i) {
            const QString& note = picture.panels[std::size_t(i)].note;
            if (!note.isEmpty() && plain(note) != plain(states[i]))
                errors << QStringLiteral("%1:%2: panel %3 says \"%4\", but state %3 of character %5 is \"%6\"")
                              .arg(sourceName)
                              .arg(picture.line)
                              .arg(i + 1)
                              .arg(note)
                              .arg(picture.character)
                              .arg(states[i]);
        }
    }
    return errors;
}

ParamsReadResult parseParams(const QByteArray& content, const QString& sourceName) {
    return ParamsParser(sourceName).parse(content);
}

ParamsReadResult readParamsFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ParamsReadResult result;
        result.errors << QStringLiteral("%1: cannot open: %2").arg(path, file.errorString());
        return result;
    }
    return parseParams(file.readAll(), path);
}
