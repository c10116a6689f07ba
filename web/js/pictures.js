import {keyUrl} from './keyfiles.js';

// A picture of the key at its own size; the browser decodes it from the site (or, offline,
// from the service worker's cache). On a narrow screen it shrinks to the width, never grows.
// `alt` says what it shows: the character or the species.
export function pictureElement(picture, alt) {
    const image = document.createElement('img');
    image.src = keyUrl(picture.file);
    image.width = picture.width;
    image.height = picture.height;
    image.alt = alt;
    image.decoding = 'async';
    return image;
}
