// The description, slide, comparison and help windows as overlays on the page. Each
// showing brings its window to the front, as the engine's show count says.
import {actionButton, byId, el, setText} from './dom.js';
import {pictureElement} from './pictures.js';

export const WINDOWS = ['help', 'description', 'slide', 'comparison'];

function showPicture(box, picture) {
    const file = picture?.file ?? '';
    if (box.dataset.file === file) return;
    box.dataset.file = file;
    box.replaceChildren(...(picture ? [pictureElement(picture)] : []));
}

function renderDescription(view) {
    const text = setText('description-text', view.memoLines.join('\n'));
    text.classList.toggle('silver', view.memoSilver);
    showPicture(byId('description-picture'), view.image1);
    setText('description-slide', view.slideCaption).disabled = !view.slideEnabled;
    setText('description-close', view.closeCaption);
}

// One column per memo, the lines side by side; the three species headings open their
// descriptions.
function renderComparison(view) {
    const heading = view.labels.map((label, column) =>
        el('th', {scope: 'col'}, [column < 2 ? label : actionButton(label, 'heading', [column - 1], {className: 'heading'})]));
    const lines = Math.max(...view.memos.map((memo) => memo.length));
    const rows = Array.from({length: lines}, (_, line) =>
        el('tr', {}, view.memos.map((memo, column) => el(column === 0 ? 'th' : 'td', {textContent: memo[line] ?? ''}))));
    byId('comparison-table').replaceChildren(el('thead', {}, [el('tr', {}, heading)]), el('tbody', {}, rows));
}

const RENDERERS = {
    help: (view) => setText('help-text', view.memoLines.join('\n')),
    description: renderDescription,
    slide: (view) => showPicture(byId('slide-picture'), view.image1),
    comparison: renderComparison,
};

// `order` remembers each window's show count and its place in front of the others.
export function renderWindows(views, order) {
    for (const name of WINDOWS) {
        const view = views[name];
        const section = byId(`window-${name}`);
        const seen = order.get(name) ?? {showCount: 0, front: 0};
        if (view.showCount !== seen.showCount) {
            order.set(name, {showCount: view.showCount, front: Math.max(0, ...[...order.values()].map((o) => o.front)) + 1});
        }
        if (view.scrollToTopCount !== undefined && section.dataset.scrolls !== String(view.scrollToTopCount)) {
            section.dataset.scrolls = String(view.scrollToTopCount);
            section.querySelector('.window-body').scrollTop = 0;
        }
        section.style.zIndex = String(10 + (order.get(name)?.front ?? 0));
        section.hidden = !view.visible;
        section.querySelector('[data-caption]').textContent = view.caption.trim();
        if (view.visible) RENDERERS[name](view);
    }
}

export const anyWindowVisible = (views) => WINDOWS.some((name) => views[name].visible);

// The window in front, for the Escape key.
export function frontWindow(views, order) {
    const shown = WINDOWS.filter((name) => views[name].visible);
    return shown.sort((a, b) => (order.get(b)?.front ?? 0) - (order.get(a)?.front ?? 0))[0];
}
