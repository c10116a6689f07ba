import {keyUrl} from './keyfiles.js';

// A picture of the key at its own size; the browser decodes it from the site (or, offline,
// from the service worker's cache). On a narrow screen it shrinks to the width, never grows.
export function pictureElement(picture) {
    const image = document.createElement('img');
    image.src = keyUrl(picture.file);
    image.width = picture.width;
    image.height = picture.height;
    image.alt = picture.file.split('/').pop();
    image.decoding = 'async';
    return image;
}
