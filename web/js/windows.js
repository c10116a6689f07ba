// The description, slide and comparison windows (the engine's) and the help window (the
// page's own) as overlays on the page. Each showing brings its window to the front, as the
// engine's show count says, opens it at its top and puts the focus on it.
import {actionButton, byId, el, setText} from './dom.js';
import {languageCode, pageTexts} from './pagetexts.js';
import {pictureElement} from './pictures.js';

export const WINDOWS = ['description', 'slide', 'comparison'];

function showPicture(box, picture, alt) {
    const file = picture?.file ?? '';
    if (box.dataset.file === file) return;
    box.dataset.file = file;
    box.replaceChildren(...(picture ? [pictureElement(picture, alt)] : []));
}

// The key's hard line ends are for the desktop's memo: lines run together into paragraphs,
// which an empty line ends. A short first line without closing punctuation ("Microscopy")
// is the paragraph's heading and keeps a line of its own.
const isHeading = (line, block) => block.length > 1 && line.length <= 30 && !/[.,;:!?)]$/.test(line);

function paragraphs(lines) {
    const blocks = [[]];
    for (const line of lines) {
        if (line.trim() === '') blocks.push([]);
        else blocks.at(-1).push(line.trim());
    }
    return blocks.filter((block) => block.length > 0).flatMap((block) => {
        if (!isHeading(block[0], block)) return [el('p', {textContent: block.join(' ')})];
        return [el('p', {className: 'memo-heading', textContent: block[0]}), el('p', {textContent: block.slice(1).join(' ')})];
    });
}

function renderDescription(view, page) {
    const text = byId('description-text');
    text.replaceChildren(...paragraphs(view.memoLines));
    text.classList.toggle('silver', view.memoSilver);
    showPicture(byId('description-picture'), view.image1, page.descriptionSpecies);
    setText('description-slide', view.slideCaption).disabled = !view.slideEnabled;
    setText('description-close', view.closeCaption);
}

// One column per memo, the lines side by side; the species headings open their
// descriptions. A column with neither heading nor lines (no third species) is left out.
function renderComparison(view) {
    const columns = view.labels.map((label, column) => column).filter((column) =>
        view.labels[column].trim() !== '' || view.memos[column].some((line) => line.trim() !== ''));
    const heading = columns.map((column) => el('th', {scope: 'col'},
        [column < 2 ? view.labels[column] : actionButton(view.labels[column], 'heading', [column - 1], {className: 'heading'})]));
    const lines = Math.max(...columns.map((column) => view.memos[column].length));
    const rows = Array.from({length: lines}, (_, line) => el('tr', {}, columns.map((column) =>
        el(column === 0 ? 'th' : 'td', {textContent: view.memos[column][line] ?? '', ...(column === 0 ? {scope: 'row'} : {})}))));
    byId('comparison-table').replaceChildren(el('thead', {}, [el('tr', {}, heading)]), el('tbody', {}, rows));
}

const RENDERERS = {
    description: renderDescription,
    slide: (view, page) => showPicture(byId('slide-picture'), view.image1, page.descriptionSpecies),
    comparison: renderComparison,
};

const CAPTIONS = {
    description: (view, page) => page.descriptionSpecies.trim() || view.caption.trim(),
    slide: (view) => view.caption.trim(),
    comparison: (view) => view.caption.trim(),
};

function bringToFront(name, order) {
    order.set(name, {...order.get(name), front: Math.max(0, ...[...order.values()].map((o) => o.front)) + 1});
}

// A window just shown opens at its top, with the focus on its close box.
function opened(section) {
    section.querySelector('.window-body').scrollTop = 0;
    section.querySelector('[data-close-window]').focus();
}

// `order` remembers each window's show count and its place in front of the others.
export function renderWindows(views, page, order) {
    for (const name of WINDOWS) {
        const view = views[name];
        const section = byId(`window-${name}`);
        const seen = order.get(name) ?? {showCount: 0, front: 0};
        const shown = view.showCount !== seen.showCount;
        if (shown) {
            order.set(name, {...seen, showCount: view.showCount});
            bringToFront(name, order);
        }
        section.style.zIndex = String(10 + (order.get(name)?.front ?? 0));
        section.hidden = !view.visible;
        section.querySelector('[data-caption]').textContent = CAPTIONS[name](view, page);
        if (view.visible) RENDERERS[name](view, page);
        if (view.visible && shown) opened(section);
    }
}

// The page's help in language `language` (1..6), or closed when null.
export function renderHelp(language, order) {
    const section = byId('window-help');
    const wasHidden = section.hidden;
    section.hidden = language === null;
    if (language === null) return;
    const texts = pageTexts(language);
    section.lang = languageCode(language);
    section.querySelector('[data-caption]').textContent = texts.help;
    byId('help-text').replaceChildren(...texts.helpText.map((text) => el('p', {textContent: text})));
    if (wasHidden) {
        bringToFront('help', order);
        opened(section);
    }
    section.style.zIndex = String(10 + order.get('help').front);
}

// The open windows, the one in front last.
export function openWindows(views, helpOpen, order) {
    const open = WINDOWS.filter((name) => views[name].visible);
    if (helpOpen) open.push('help');
    return open.sort((a, b) => (order.get(a)?.front ?? 0) - (order.get(b)?.front ?? 0));
}

export const anyWindowVisible = (views) => WINDOWS.some((name) => views[name].visible);
