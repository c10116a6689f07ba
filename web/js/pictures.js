import {keyUrl} from './keyfiles.js';
import {LANGUAGE_CODES, pageTexts} from './pagetexts.js';

// A picture of the key at its own size; the browser decodes it from the site (or, offline,
// from the service worker's cache). On a narrow screen it shrinks to the width, never grows.
// `alt` says what it shows: the character or the species. One the browser cannot fetch (a
// picture of a language whose pictures are not kept, offline) gives way to a line that
// says so, in the page's language, rather than a broken image.
export function pictureElement(picture, alt) {
    const image = document.createElement('img');
    image.src = keyUrl(picture.file);
    image.width = picture.width;
    image.height = picture.height;
    image.alt = alt;
    image.decoding = 'async';
    image.addEventListener('error', () => {
        const note = document.createElement('p');
        note.className = 'picture-missing';
        const texts = pageTexts(LANGUAGE_CODES.indexOf(document.documentElement.lang) + 1);
        note.textContent = [alt, texts.pictureMissing].filter(Boolean).join(': ');
        image.replaceWith(note);
    });
    return image;
}
