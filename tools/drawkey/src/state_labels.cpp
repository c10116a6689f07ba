#include "state_labels.h"

#include <QRegularExpression>

QString labelOfState(const QString& stateText) {
    static const QRegularExpression numberBeforeUnit(QStringLiteral("(\\d) (\u00B5m|mm|cm|%)"));
    QString label = stateText;
    label.replace(numberBeforeUnit, QStringLiteral("\\1\u00A0\\2"));
    return label;
}

std::vector<CharPicParams> labelledPictures(const GenusParams& genus, const std::vector<QStringList>& states,
                                            const QString& characterFile, const QString& sourceName,
                                            QStringList& problems) {
    std::vector<CharPicParams> labelled;
    for (const CharPicParams& picture : genus.charPics) {
        const QString where = QStringLiteral("%1:%2: ").arg(sourceName).arg(picture.line);
        const int panels = int(picture.panels.size());
        if (picture.character > int(states.size())) {
            problems << where + QStringLiteral("%1 has %2 characters, no character %3")
                                    .arg(characterFile)
                                    .arg(states.size())
                                    .arg(picture.character);
            continue;
        }
        const QStringList& texts = states[std::size_t(picture.character - 1)];
        if (texts.size() != panels) {
            problems << where + QStringLiteral(
                                    "character %1 has %2 states in %3, the picture %4 panels: "
                                    "give every state its panel, in the order of the states")
                                    .arg(picture.character)
                                    .arg(texts.size())
                                    .arg(characterFile)
                                    .arg(panels);
            continue;
        }
        CharPicParams copy = picture;
        for (int i = 0; i < panels; ++i) copy.panels[std::size_t(i)].label = labelOfState(texts[i]);
        labelled.push_back(std::move(copy));
    }
    return labelled;
}
