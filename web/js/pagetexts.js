// The page's own words, in the key's six languages (language 1 English … 6 Spanish, as the
// engine numbers them): what the desktop's texts cannot say about a page — its help, its
// offline sign, its buttons without a caption.

const TEXTS = {
    en: {
        menu: 'Menu', close: 'Close', results: 'Results', noChoice: 'No choice',
        help: 'Help',
        helpText: [
            'Sporix identifies a fungus from what you see. Open the menu (☰) and choose a genus under Genera.',
            'Each line is a character. Tap it to open its states and tap the state you see; tap "No choice" to take it back. The "?" button shows a picture of the character.',
            'The bar at the bottom shows the species that fit; tap it to open the list. Tap a species for its description, drawing and slide; tick two or three and tap Compare species to see them side by side.',
            'Clear all starts the search again. Under Kind of searching, the first kind ranks all species by how well they fit; the second keeps only the species that fit every choice, and Step back takes back the last one.',
            'The advisor names the characters that divide the species best and warns of dangerous look-alikes. A ⚠ before its name means that a deadly or poisonous species fits your choices or comes close to them: open the advisor and read its warning before you eat anything.',
            'The phone\'s Back closes the window on top; your choices are kept. Once the sign says "Ready offline", the player works without a connection.',
        ],
        howToStart: 'Open the menu (☰) and choose a genus. Tap a character to open its states and tap what you see; the species that fit are in the bar at the bottom.',
        keeping: (percent) => `Keeping the key for use offline: ${percent} %`,
        ready: 'Ready offline',
        notKept: 'Not kept for offline use; it needs a connection.',
        pictureMissing: 'The picture could not be loaded; it needs a connection.',
        cut: (files) => `These files of the key could not be read whole; try again with a better connection:\n${files.join('\n')}`,
    },
    nl: {
        menu: 'Menu', close: 'Sluiten', results: 'Resultaten', noChoice: 'Geen keuze',
        help: 'Hulp',
        helpText: [
            'Sporix determineert een paddenstoel aan wat u ziet. Open het menu (☰) en kies een geslacht onder Geslachten.',
            'Elke regel is een kenmerk. Tik erop om de toestanden te openen en tik op wat u ziet; "Geen keuze" maakt de keuze ongedaan. De knop "?" toont een afbeelding van het kenmerk.',
            'De balk onderaan toont de soorten die passen; tik erop om de lijst te openen. Tik op een soort voor beschrijving, tekening en preparaat; vink er twee of drie aan en tik op Soorten vergelijken om ze naast elkaar te zien.',
            'Alles wissen begint opnieuw. Onder Zoekmethode rangschikt de eerste manier alle soorten naar hoe goed ze passen; de tweede houdt alleen de soorten over die bij elke keuze passen, en Stap terug neemt de laatste keuze terug.',
            'De adviseur noemt de kenmerken die de soorten het best scheiden en waarschuwt voor gevaarlijke dubbelgangers. Een ⚠ voor de naam betekent dat een dodelijke of giftige soort bij uw keuzes past of er dichtbij komt: open de adviseur en lees de waarschuwing voordat u iets eet.',
            'De Terug-knop van de telefoon sluit het bovenste venster; uw keuzes blijven bewaard. Zodra "Offline klaar" verschijnt, werkt de speler zonder verbinding.',
        ],
        howToStart: 'Open het menu (☰) en kies een geslacht. Tik op een kenmerk om de toestanden te openen en tik op wat u ziet; de passende soorten staan in de balk onderaan.',
        keeping: (percent) => `De sleutel wordt bewaard voor offline gebruik: ${percent} %`,
        ready: 'Offline klaar',
        notKept: 'Niet bewaard voor offline gebruik; er is een verbinding nodig.',
        pictureMissing: 'De afbeelding kon niet worden geladen; er is een verbinding nodig.',
        cut: (files) => `Deze bestanden van de sleutel konden niet helemaal worden gelezen; probeer het opnieuw met een betere verbinding:\n${files.join('\n')}`,
    },
    de: {
        menu: 'Menü', close: 'Schließen', results: 'Ergebnisse', noChoice: 'Keine Wahl',
        help: 'Hilfe',
        helpText: [
            'Sporix bestimmt einen Pilz nach dem, was Sie sehen. Öffnen Sie das Menü (☰) und wählen Sie unter Gattungen eine Gattung.',
            'Jede Zeile ist ein Merkmal. Tippen Sie darauf, um seine Ausprägungen zu öffnen, und tippen Sie auf die, die Sie sehen; "Keine Wahl" nimmt sie zurück. Die Taste "?" zeigt ein Bild des Merkmals.',
            'Die Leiste unten zeigt die passenden Arten; tippen Sie darauf, um die Liste zu öffnen. Tippen Sie auf eine Art für Beschreibung, Zeichnung und Präparat; kreuzen Sie zwei oder drei an und tippen Sie auf Arten vergleichen, um sie nebeneinander zu sehen.',
            'Alles löschen beginnt von vorn. Unter Suchart ordnet die erste alle Arten danach, wie gut sie passen; die zweite behält nur die Arten, die zu jeder Wahl passen, und Schritt zurück nimmt die letzte Wahl zurück.',
            'Der Berater nennt die Merkmale, die die Arten am besten trennen, und warnt vor gefährlichen Doppelgängern. Ein ⚠ vor seinem Namen bedeutet, dass eine tödliche oder giftige Art zu Ihren Angaben passt oder ihnen nahekommt: Öffnen Sie den Berater und lesen Sie seine Warnung, bevor Sie etwas essen.',
            'Die Zurück-Geste des Telefons schließt das oberste Fenster; Ihre Wahl bleibt erhalten. Sobald "Offline bereit" erscheint, funktioniert der Spieler ohne Verbindung.',
        ],
        howToStart: 'Öffnen Sie das Menü (☰) und wählen Sie eine Gattung. Tippen Sie auf ein Merkmal, um seine Ausprägungen zu öffnen, und tippen Sie auf das, was Sie sehen; die passenden Arten stehen in der Leiste unten.',
        keeping: (percent) => `Der Schlüssel wird für die Nutzung ohne Verbindung gespeichert: ${percent} %`,
        ready: 'Offline bereit',
        notKept: 'Nicht für die Nutzung ohne Verbindung gespeichert; eine Verbindung ist nötig.',
        pictureMissing: 'Das Bild konnte nicht geladen werden; es braucht eine Verbindung.',
        cut: (files) => `Diese Dateien des Schlüssels konnten nicht vollständig gelesen werden; versuchen Sie es mit einer besseren Verbindung erneut:\n${files.join('\n')}`,
    },
    fr: {
        menu: 'Menu', close: 'Fermer', results: 'Résultats', noChoice: 'Aucun choix',
        help: 'Aide',
        helpText: [
            'Sporix identifie un champignon d\'après ce que vous voyez. Ouvrez le menu (☰) et choisissez un genre sous Genres.',
            'Chaque ligne est un caractère. Touchez-la pour ouvrir ses états et touchez celui que vous voyez ; « Aucun choix » l\'annule. Le bouton « ? » montre une image du caractère.',
            'La barre du bas montre les espèces qui conviennent ; touchez-la pour ouvrir la liste. Touchez une espèce pour sa description, son dessin et sa préparation ; cochez-en deux ou trois et touchez Comparer les espèces pour les voir côte à côte.',
            'Tout effacer recommence la recherche. Sous Mode de recherche, le premier classe toutes les espèces selon leur accord ; le second ne garde que les espèces qui conviennent à chaque choix, et Pas en arrière annule le dernier.',
            'Le conseiller nomme les caractères qui séparent le mieux les espèces et avertit des sosies dangereux. Un ⚠ devant son nom signifie qu\'une espèce mortelle ou toxique correspond à vos choix ou s\'en approche : ouvrez le conseiller et lisez son avertissement avant de manger quoi que ce soit.',
            'Le geste Retour du téléphone ferme la fenêtre du dessus ; vos choix sont gardés. Dès que « Prêt hors ligne » s\'affiche, le lecteur fonctionne sans connexion.',
        ],
        howToStart: 'Ouvrez le menu (☰) et choisissez un genre. Touchez un caractère pour ouvrir ses états et touchez ce que vous voyez ; les espèces qui conviennent sont dans la barre du bas.',
        keeping: (percent) => `La clé est gardée pour l'usage hors ligne : ${percent} %`,
        ready: 'Prêt hors ligne',
        notKept: 'Pas gardé pour l\'usage hors ligne ; une connexion est nécessaire.',
        pictureMissing: 'L\'image n\'a pas pu être chargée ; il faut une connexion.',
        cut: (files) => `Ces fichiers de la clé n'ont pas pu être lus en entier ; réessayez avec une meilleure connexion :\n${files.join('\n')}`,
    },
    it: {
        menu: 'Menu', close: 'Chiudi', results: 'Risultati', noChoice: 'Nessuna scelta',
        help: 'Aiuto',
        helpText: [
            'Sporix identifica un fungo da ciò che vedete. Aprite il menu (☰) e scegliete un genere sotto Generi.',
            'Ogni riga è un carattere. Toccatela per aprirne gli stati e toccate quello che vedete; "Nessuna scelta" lo annulla. Il pulsante "?" mostra un\'immagine del carattere.',
            'La barra in basso mostra le specie che corrispondono; toccatela per aprire l\'elenco. Toccate una specie per la descrizione, il disegno e il preparato; spuntatene due o tre e toccate Confronta specie per vederle affiancate.',
            'Cancella tutto ricomincia la ricerca. Sotto Tipo di ricerca, il primo ordina tutte le specie secondo quanto corrispondono; il secondo tiene solo le specie che corrispondono a ogni scelta, e Passo indietro annulla l\'ultima.',
            'Il consigliere indica i caratteri che separano meglio le specie e avverte dei sosia pericolosi. Un ⚠ davanti al suo nome significa che una specie mortale o velenosa corrisponde alle vostre scelte o vi si avvicina: aprite il consigliere e leggete l\'avvertimento prima di mangiare qualsiasi cosa.',
            'Il gesto Indietro del telefono chiude la finestra in primo piano; le scelte restano. Quando compare "Pronto offline", il lettore funziona senza connessione.',
        ],
        howToStart: 'Aprite il menu (☰) e scegliete un genere. Toccate un carattere per aprirne gli stati e toccate ciò che vedete; le specie che corrispondono sono nella barra in basso.',
        keeping: (percent) => `La chiave viene conservata per l'uso offline: ${percent} %`,
        ready: 'Pronto offline',
        notKept: 'Non conservato per l\'uso offline; serve una connessione.',
        pictureMissing: 'Non è stato possibile caricare l\'immagine; serve una connessione.',
        cut: (files) => `Questi file della chiave non sono stati letti per intero; riprovate con una connessione migliore:\n${files.join('\n')}`,
    },
    es: {
        menu: 'Menú', close: 'Cerrar', results: 'Resultados', noChoice: 'Sin elección',
        help: 'Ayuda',
        helpText: [
            'Sporix identifica un hongo a partir de lo que usted ve. Abra el menú (☰) y elija un género en Géneros.',
            'Cada línea es un carácter. Tóquela para abrir sus estados y toque el que ve; "Sin elección" lo deshace. El botón "?" muestra una imagen del carácter.',
            'La barra de abajo muestra las especies que encajan; tóquela para abrir la lista. Toque una especie para ver su descripción, dibujo y preparación; marque dos o tres y toque Comparar especies para verlas lado a lado.',
            'Borrar todo empieza de nuevo. En Tipo de búsqueda, el primero ordena todas las especies según cuánto encajan; el segundo solo deja las especies que encajan con cada elección, y Paso atrás deshace la última.',
            'El asesor nombra los caracteres que mejor separan las especies y advierte de los parecidos peligrosos. Un ⚠ delante de su nombre significa que una especie mortal o venenosa encaja con sus elecciones o se acerca a ellas: abra el asesor y lea su advertencia antes de comer nada.',
            'El gesto Atrás del teléfono cierra la ventana superior; sus elecciones se conservan. Cuando aparece "Listo sin conexión", el reproductor funciona sin conexión.',
        ],
        howToStart: 'Abra el menú (☰) y elija un género. Toque un carácter para abrir sus estados y toque lo que ve; las especies que encajan están en la barra de abajo.',
        keeping: (percent) => `Guardando la clave para usarla sin conexión: ${percent} %`,
        ready: 'Listo sin conexión',
        notKept: 'No guardado para usar sin conexión; hace falta una conexión.',
        pictureMissing: 'No se pudo cargar la imagen; hace falta una conexión.',
        cut: (files) => `Estos archivos de la clave no se pudieron leer enteros; inténtelo de nuevo con una conexión mejor:\n${files.join('\n')}`,
    },
};

export const LANGUAGE_CODES = ['en', 'nl', 'de', 'fr', 'it', 'es'];

// The code of the engine's language 1..6; English for anything else.
export const languageCode = (index) => LANGUAGE_CODES[index - 1] ?? 'en';

export const pageTexts = (index) => TEXTS[languageCode(index)];
