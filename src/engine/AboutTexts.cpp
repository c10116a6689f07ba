#include "AboutTexts.h"

#include <array>

namespace sporix {

namespace {

// By language index 1..6. Only what is true: the project has no postal, e-mail or web
// address of its own, and its developers wrote the key and its translations. The
// licences stand on short lines of their own, so that no window breaks "BY-SA".
const std::array<const char*, 6> kAboutTexts = {
    // English
    "\n"
    "Sporix " SPORIX_VERSION ", by the Sporix developers\n"
    "Post: none, the project has no postal address\n"
    "E-mail: none, the project has no e-mail address\n"
    "URL: none, the project has no web address\n"
    "\n"
    "The key (after the published sources it cites) and its translations:\n"
    "Dutch: the Sporix developers\n"
    "German: the Sporix developers\n"
    "French: the Sporix developers\n"
    "Italian: the Sporix developers\n"
    "Spanish: the Sporix developers\n"
    "\n"
    "Program: GNU GPL 3.0 or later\n"
    "Key: CC BY-SA 4.0",
    // Dutch
    "\n"
    "Sporix " SPORIX_VERSION ", door de Sporix-ontwikkelaars\n"
    "Post: geen, het project heeft geen postadres\n"
    "E-mail: geen, het project heeft geen e-mailadres\n"
    "URL: geen, het project heeft geen webadres\n"
    "\n"
    "De sleutel (naar de gepubliceerde bronnen die hij noemt) en zijn vertalingen:\n"
    "Nederlands: de Sporix-ontwikkelaars\n"
    "Duits: de Sporix-ontwikkelaars\n"
    "Frans: de Sporix-ontwikkelaars\n"
    "Italiaans: de Sporix-ontwikkelaars\n"
    "Spaans: de Sporix-ontwikkelaars\n"
    "\n"
    "Programma: GNU GPL 3.0 of later\n"
    "Sleutel: CC BY-SA 4.0",
    // German
    "\n"
    "Sporix " SPORIX_VERSION ", von den Sporix-Entwicklern\n"
    "Post: keine, das Projekt hat keine Postanschrift\n"
    "E-Mail: keine, das Projekt hat keine E-Mail-Adresse\n"
    "URL: keine, das Projekt hat keine Webadresse\n"
    "\n"
    "Der Schl\xFCssel (nach den ver\xF6" "ffentlichten Quellen, die er nennt) und seine \xDC" "bersetzungen:\n"
    "Niederl\xE4ndisch: die Sporix-Entwickler\n"
    "Deutsch: die Sporix-Entwickler\n"
    "Franz\xF6sisch: die Sporix-Entwickler\n"
    "Italienisch: die Sporix-Entwickler\n"
    "Spanisch: die Sporix-Entwickler\n"
    "\n"
    "Programm: GNU GPL 3.0 oder sp\xE4ter\n"
    "Schl\xFCssel: CC BY-SA 4.0",
    // French
    "\n"
    "Sporix " SPORIX_VERSION ", par les d\xE9veloppeurs de Sporix\n"
    "Poste\xA0: aucune, le projet n'a pas d'adresse postale\n"
    "Courriel\xA0: aucun, le projet n'a pas d'adresse \xE9lectronique\n"
    "URL\xA0: aucune, le projet n'a pas d'adresse web\n"
    "\n"
    "La cl\xE9 (d'apr\xE8s les sources publi\xE9" "es qu'elle cite) et ses traductions\xA0:\n"
    "N\xE9" "erlandais\xA0: les d\xE9veloppeurs de Sporix\n"
    "Allemand\xA0: les d\xE9veloppeurs de Sporix\n"
    "Fran\xE7" "ais\xA0: les d\xE9veloppeurs de Sporix\n"
    "Italien\xA0: les d\xE9veloppeurs de Sporix\n"
    "Espagnol\xA0: les d\xE9veloppeurs de Sporix\n"
    "\n"
    "Programme\xA0: GNU GPL 3.0 ou ult\xE9rieure\n"
    "Cl\xE9\xA0: CC BY-SA 4.0",
    // Italian
    "\n"
    "Sporix " SPORIX_VERSION ", degli sviluppatori di Sporix\n"
    "Posta: nessuna, il progetto non ha un indirizzo postale\n"
    "E-mail: nessuna, il progetto non ha un indirizzo e-mail\n"
    "URL: nessuno, il progetto non ha un indirizzo web\n"
    "\n"
    "La chiave (secondo le fonti pubblicate che cita) e le sue traduzioni:\n"
    "Olandese: gli sviluppatori di Sporix\n"
    "Tedesco: gli sviluppatori di Sporix\n"
    "Francese: gli sviluppatori di Sporix\n"
    "Italiano: gli sviluppatori di Sporix\n"
    "Spagnolo: gli sviluppatori di Sporix\n"
    "\n"
    "Programma: GNU GPL 3.0 o successiva\n"
    "Chiave: CC BY-SA 4.0",
    // Spanish
    "\n"
    "Sporix " SPORIX_VERSION ", de los desarrolladores de Sporix\n"
    "Correo postal: ninguno, el proyecto no tiene direcci\xF3n postal\n"
    "Correo electr\xF3nico: ninguno, el proyecto no tiene direcci\xF3n de correo\n"
    "URL: ninguna, el proyecto no tiene direcci\xF3n web\n"
    "\n"
    "La clave (seg\xFAn las fuentes publicadas que cita) y sus traducciones:\n"
    "Neerland\xE9s: los desarrolladores de Sporix\n"
    "Alem\xE1n: los desarrolladores de Sporix\n"
    "Franc\xE9s: los desarrolladores de Sporix\n"
    "Italiano: los desarrolladores de Sporix\n"
    "Espa\xF1ol: los desarrolladores de Sporix\n"
    "\n"
    "Programa: GNU GPL 3.0 o posterior\n"
    "Clave: CC BY-SA 4.0",
};

}  // namespace

std::string aboutText(int languageIndex) {
    const bool known = languageIndex >= 1 && languageIndex <= static_cast<int>(kAboutTexts.size());
    return kAboutTexts[static_cast<std::size_t>(known ? languageIndex - 1 : 0)];
}

}  // namespace sporix
