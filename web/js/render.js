// The main window's view copied onto the page, as the desktop window copies it onto its
// controls: character rows, the result lists, the menu and the action bar. Nothing here
// decides anything; what to show comes from the engine.
import {actionButton, byId, el, setText} from './dom.js';
import {languageCode, pageTexts} from './pagetexts.js';
import {pictureElement} from './pictures.js';

// The language items and help items carry fixed captions, as in the desktop menu.
const LANGUAGES = ['English', 'Nederlands', 'Deutsch', 'Français', 'Italiano', 'Español'];
const HELP_ITEMS = [['NL Hulp', 2], ['UK Help', 1], ['D Hilfe', 3], ['F Aide', 4], ['I Soccorso', 5], ['S Ayuda', 6]];

const isShown = (row) => row.labelCaption.trim() !== '' || row.comboItems.length > 0 || row.comboText !== '';

// "No choice" stands first whether a state is chosen or not, so that a tap never moves the
// states under the finger.
function statesOf(row, number, main, texts) {
    const none = actionButton('\u2014', 'chooseState', [number, -1], {
        className: 'state none', disabled: row.comboText === '', attrs: {'aria-label': texts.noChoice}, title: texts.noChoice,
        data: {focusKey: `none-${number}`},
    });
    const states = row.comboItems.map((item, index) =>
        actionButton(item.trim(), 'chooseState', [number, index], {
            className: 'state',
            attrs: {'aria-pressed': item === row.comboText},
            data: {focusKey: `state-${number}-${index}`},
        }));
    const picture = actionButton('?', 'characterPicture', [number], {
        className: 'picture-button', disabled: !row.buttonEnabled, title: main.n31Caption, attrs: {'aria-label': `? ${row.labelCaption}`},
    });
    return el('div', {className: 'states'}, [none, ...states, picture]);
}

function rowElement(row, number, main, ui, texts) {
    const open = ui.openRow === number;
    const head = el('button', {
        className: 'row-head', attrs: {'aria-expanded': open}, data: {toggleRow: number, focusKey: `row-${number}`},
    }, [el('span', {className: 'row-name', textContent: row.labelCaption}), el('span', {className: 'row-choice', textContent: row.comboText.trim()})]);
    const classes = ['row', row.comboSilver ? 'silver' : '', row.labelEnabled ? '' : 'greyed', open ? 'open' : ''];
    return el('li', {className: classes.join(' ').trim()}, open ? [head, statesOf(row, number, main, texts)] : [head]);
}

function renderRows(main, ui, texts) {
    const rows = main.rows.map((row, index) => [row, index + 1]).filter(([row]) => isShown(row));
    byId('rows').replaceChildren(...rows.map(([row, number]) => rowElement(row, number, main, ui, texts)));
    byId('start').hidden = rows.length > 0;
    setText('start-genera', main.genera1Caption);
    setText('start-how', main.howtostart1Caption);
    setText('welcome', texts.helpText[0]);
}

function speciesItem(name, index, main, ui) {
    const item = el('li', {className: 'species-item'});
    if (main.checkListVisible && index < main.checkListItems) {
        const tick = el('input', {type: 'checkbox', checked: ui.ticks.has(index), data: {tick: index}, attrs: {'aria-label': name}});
        item.append(el('label', {className: 'tick'}, [tick]));
    }
    item.append(actionButton(name, 'openSpecies', [index], {className: 'species-name'}));
    if (main.listBox2Visible && main.listBox2[index] !== undefined) item.append(el('span', {className: 'percent', textContent: main.listBox2[index]}));
    return item;
}

// The bar over the results shows the engine's caption as the engine shows it, greyed where
// it greys it, and the first species only while the list holds one. Only the count and the
// first species are announced, never the whole list.
function renderResultsBar(main, ui, texts) {
    const top = main.listBox1Visible && main.listBox1.length > 0 ? `${main.listBox1[0]}  ${main.listBox2[0] ?? ''}`.trim() : '';
    const caption = main.label43Caption.trim();
    setText('results-caption', caption).classList.toggle('greyed', !main.label43Enabled);
    setText('results-top', top);
    const bar = byId('results-bar');
    // The bar's own words name it; while it has none, the page's word does.
    if (caption === '' && top === '') bar.setAttribute('aria-label', texts.results);
    else bar.removeAttribute('aria-label');
    bar.setAttribute('aria-expanded', ui.resultsOpen);
    byId('results').classList.toggle('open', ui.resultsOpen);
    setText('results-status', main.label43Enabled ? [caption, top].filter((part) => part !== '').join(': ') : '');
}

function renderResults(main, ui, texts) {
    setText('label43', main.label43Caption).classList.toggle('greyed', !main.label43Enabled);
    // The percentages' heading only over a list that has percentages.
    const label44 = byId('label44');
    label44.classList.toggle('greyed', !main.label44Enabled);
    label44.hidden = !(main.listBox2Visible && main.listBox2.some((percent) => percent.trim() !== ''));
    const speed = setText('speed-button', main.speedButton1Caption);
    speed.hidden = main.speedButton1Caption === '';
    speed.disabled = !main.speedButton1Enabled;
    const illustration = byId('illustration');
    illustration.hidden = !(main.image1Visible && main.image1);
    if (illustration.dataset.file !== (main.image1?.file ?? '')) {
        illustration.dataset.file = main.image1?.file ?? '';
        const row = main.rows[ui.pictureRow - 1];
        illustration.replaceChildren(...(main.image1 ? [pictureElement(main.image1, row?.labelCaption.trim() ?? '')] : []));
    }
    const species = byId('species');
    species.hidden = !main.listBox1Visible;
    species.replaceChildren(...main.listBox1.map((name, index) => speciesItem(name, index, main, ui)));
    renderResultsBar(main, ui, texts);
}

function menuItem(text, act, args, checked) {
    const attrs = checked === undefined ? {} : {'aria-checked': checked, role: 'menuitemradio'};
    return actionButton(text, act, args, {attrs, data: {closeMenu: ''}});
}

function pageItem(text, data) {
    return el('button', {textContent: text, data: {closeMenu: '', ...data}});
}

function renderMenu(main, page) {
    setText('menu-genera', main.genera1Caption);
    const genera = main.genusItems.map((name, index) => [name, index + 1]).filter(([name]) => name !== '-' && name !== '');
    byId('genus-items').replaceChildren(...genera.map(([name, item]) => menuItem(name, 'chooseGenus', [item])));
    setText('menu-kind', main.kindofsearching1Caption);
    for (const [id, item] of [['kind-1', main.usingAllSpecies], ['kind-2', main.usingRestSpecies]]) {
        setText(id, item.caption).setAttribute('aria-checked', item.checked);
        byId(id).disabled = !item.enabled;
    }
    setText('menu-language', main.languageCaption);
    byId('languages').replaceChildren(...LANGUAGES.map((name, index) =>
        menuItem(name, 'language', [index + 1], page.languageIndex === index + 1)));
    setText('menu-info', main.info1Caption);
    // How to start and Help are the page's own texts; About is the key's.
    byId('info-items').replaceChildren(
        pageItem(main.howtostart1Caption, {pageHowToStart: ''}),
        ...HELP_ITEMS.map(([caption, language]) => pageItem(caption, {pageHelp: language})),
        menuItem(main.aboutProgram1Caption, 'about', []));
}

function renderActions(main) {
    setText('clear-all', main.clearAll1Caption);
    const stepBack = setText('step-back', main.stepback1.caption);
    stepBack.hidden = main.stepback1.caption === '';
    stepBack.disabled = !main.stepback1.enabled;
    setText('compare', main.comparespecies1.caption).disabled = !main.comparespecies1.enabled;
    // The key's texts hold no warning sign; while a dangerous look-alike is close the page
    // puts one before the advisor's caption, as the desktop menu does.
    const advisor = setText('advisor-button', (main.advisor1Warns ? '\u26A0 ' : '') + main.advisor1.caption);
    advisor.classList.toggle('warns', main.advisor1Warns);
    advisor.title = main.advisor1Warning;
}

// The page's own words in the language in use: the document's language and the captions
// that the key's texts do not give.
function renderPageTexts(page, texts) {
    document.documentElement.lang = languageCode(page.languageIndex);
    byId('menu-button').setAttribute('aria-label', texts.menu);
    byId('menu').setAttribute('aria-label', texts.menu);
    for (const close of document.querySelectorAll('[data-close-window], [data-close-menu].icon-button')) {
        close.setAttribute('aria-label', texts.close);
    }
}

export function renderMain(update, ui) {
    const {main} = update.views;
    const texts = pageTexts(update.page.languageIndex);
    document.title = main.caption.trim();
    setText('caption', main.caption.trim());
    renderPageTexts(update.page, texts);
    renderRows(main, ui, texts);
    renderResults(main, ui, texts);
    renderMenu(main, update.page);
    renderActions(main);
}
