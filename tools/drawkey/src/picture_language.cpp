#include "picture_language.h"

#include <array>

namespace {

const std::array<PictureLanguage, 6>& languages() {
    static const std::array<PictureLanguage, 6> all = {{
        {QString(), QStringLiteral(".FEA"), u'.', QStringLiteral("spores"), QStringLiteral("basidia"),
         QStringLiteral("cystidia"), QStringLiteral("hyphae"), QStringLiteral("No drawing")},
        {QStringLiteral("NL"), QStringLiteral(".FEN"), u',', QStringLiteral("sporen"), QStringLiteral("basidi\u00EBn"),
         QStringLiteral("cystiden"), QStringLiteral("hyfen"), QStringLiteral("Geen tekening")},
        {QStringLiteral("D"), QStringLiteral(".FED"), u',', QStringLiteral("Sporen"), QStringLiteral("Basidien"),
         QStringLiteral("Zystiden"), QStringLiteral("Hyphen"), QStringLiteral("Keine Zeichnung")},
        {QStringLiteral("F"), QStringLiteral(".FEF"), u',', QStringLiteral("spores"), QStringLiteral("basides"),
         QStringLiteral("cystides"), QStringLiteral("hyphes"), QStringLiteral("Pas de dessin")},
        {QStringLiteral("I"), QStringLiteral(".FEI"), u',', QStringLiteral("spore"), QStringLiteral("basidi"),
         QStringLiteral("cistidi"), QStringLiteral("ife"), QStringLiteral("Nessun disegno")},
        {QStringLiteral("S"), QStringLiteral(".FES"), u',', QStringLiteral("esporas"), QStringLiteral("basidios"),
         QStringLiteral("cistidios"), QStringLiteral("hifas"), QStringLiteral("Sin dibujo")},
    }};
    return all;
}

}  // namespace

QString PictureLanguage::decimal(double value) const {
    QString text = QString::number(value, 'f', 1);
    text.replace(QLatin1Char('.'), decimalSign);
    return text;
}

std::span<const PictureLanguage> pictureLanguages() { return languages(); }
