// The advisor's lines as a panel beside the results, drawn from the engine's view as text.
// A line that opens something (a character's list, a species) is a button that sends the
// line's number back to the engine, which decides what it opens.
import {actionButton, byId, el} from './dom.js';

function lineElement(line, index) {
    const classes = ['advice-line', line.kind, line.section === 'lookAlikes' ? 'danger' : ''].join(' ').trim();
    if (line.kind === 'heading') return el('h3', {className: classes, textContent: line.text});
    const opens = line.kind === 'entry' && (line.row > 0 || line.opensSpecies);
    if (opens) return actionButton(line.text, 'advice', [index], {className: classes});
    return el('p', {className: classes, textContent: line.text});
}

export function renderAdvice(advisor) {
    const panel = el('section', {id: 'advice', className: 'panel advice', hidden: !advisor.visible, attrs: {'aria-label': advisor.caption.trim()}},
        [el('h2', {textContent: advisor.caption.trim()}), ...advisor.lines.map(lineElement)]);
    byId('panels').replaceChildren(panel);
}
