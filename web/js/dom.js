// Small helpers for building the page. Texts always go in as text, never as markup: the
// key's files are data from whoever wrote the key.

export const byId = (id) => document.getElementById(id);

// An element with properties (className, textContent, disabled, hidden, title …), data
// attributes (`data`), other attributes (`attrs`) and children.
export function el(tag, {data = {}, attrs = {}, ...properties} = {}, children = []) {
    const element = document.createElement(tag);
    Object.assign(element, properties);
    Object.assign(element.dataset, data);
    for (const [name, value] of Object.entries(attrs)) element.setAttribute(name, String(value));
    element.append(...children);
    return element;
}

// A button that sends the action `act` with `args` to the engine.
export function actionButton(text, act, args = [], properties = {}) {
    return el('button', {textContent: text, ...properties, data: {act, args: JSON.stringify(args), ...(properties.data ?? {})}});
}

export function setText(id, text) {
    const element = byId(id);
    if (element.textContent !== text) element.textContent = text;
    return element;
}
