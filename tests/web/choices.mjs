// Choice sequences that fit any key: each step is chosen from the views the module shows
// at that moment, so the same sequences run on the bundled key or a key of one's own.
import {runStep} from './player.mjs';

export class Session {
    constructor(player) {
        this.player = player;
        this.steps = [];
        this.updates = [];
    }

    do(step) {
        const update = runStep(this.player, step);
        this.steps.push(step);
        this.updates.push(update);
        this.views = JSON.parse(update).views;
        return this.views;
    }

    genusCount() {
        return this.views.main.genusItems.filter((item) => item !== '-' && item !== '').length;
    }

    // Row numbers (1..42) with states to choose; in the second kind only those still open.
    openRows() {
        return this.views.main.rows
            .map((row, index) => ({row, number: index + 1}))
            .filter(({row}) => row.comboItems.length > 0 && !row.comboSilver && row.comboText === '')
            .map(({number}) => number);
    }

    choose(count, seed) {
        for (let k = 0; k < count; ++k) {
            const rows = this.openRows();
            if (rows.length === 0) return;
            const number = rows[(seed + 3 * k) % rows.length];
            const items = this.views.main.rows[number - 1].comboItems.length;
            this.do(`chooseState ${number} ${(seed * 5 + k) % items}`);
        }
    }

    descriptionAndSlide(index) {
        this.do(`openSpecies ${index}`);
        this.do('slide');
        this.do('closeWindow slide');
        this.do('closeDescription');
        this.do('activate');
    }

    comparison() {
        const items = this.views.main.checkListItems;
        if (items < 2) return;
        this.do(`compare ${[0, 1, 2].filter((i) => i < items).join(',')}`);
        this.do('heading 2');
        this.do('closeWindow description');
        this.do('closeWindow comparison');
        this.do('activate');
    }

    // The advisor: its menu item, a line that opens a character's list, one that opens a
    // species' description.
    advisor() {
        this.do('advisor');
        const row = this.views.advisor.lines.findIndex((line) => line.row > 0);
        if (row >= 0) this.do(`advice ${row}`);
        const species = this.views.advisor.lines.findIndex((line) => line.opensSpecies);
        if (species >= 0) {
            this.do(`advice ${species}`);
            this.do('closeWindow description');
            this.do('activate');
        }
        this.do('closeWindow advisor');
    }

    characterPictures() {
        const rows = this.views.main.rows;
        const withPicture = rows.findIndex((row) => row.buttonEnabled);
        if (withPicture >= 0) this.do(`characterPicture ${withPicture + 1}`);
        this.do(`characterPicture ${rows.findIndex((row) => !row.buttonEnabled) + 1}`);
    }

    // Both kinds of searching on genus `genus`, with the windows around them.
    genus(genus) {
        this.do('searchKind 1');
        this.do('openGenera');
        this.do(`chooseGenus ${genus}`);
        this.choose(4, genus);
        this.advisor();
        this.descriptionAndSlide(0);
        this.comparison();
        this.characterPictures();
        const chosen = this.views.main.rows.findIndex((row) => row.comboText !== '');
        if (chosen >= 0) this.do(`chooseState ${chosen + 1} -1`);
        this.do('searchKind 2');
        this.do('clearAll');
        this.choose(3, genus + 1);
        this.do('stepBack');
        this.do('stepBack');
        this.choose(2, genus + 2);
        this.advisor();
        this.descriptionAndSlide(1);
        this.do('speedButton');
        this.do(`language ${(genus % 6) + 1}`);
        this.descriptionAndSlide(0);
        this.do('clearAll');
        this.comparison();
    }

    helpAndInfo() {
        this.do('language 6');
        for (let language = 1; language <= 6; ++language) {
            this.do(`help ${language}`);
            this.do('closeWindow help');
        }
        this.do('howToStart');
        this.do('about');
        this.do('activate');
    }

    // The whole run: start, every genus of the key in turn, the help, back to English.
    all() {
        this.do('activate');
        this.do('chooseState 1 0');  // before any genus
        this.do('openSpecies 0');
        this.do('openGenera');
        const genera = this.genusCount();
        for (let genus = 1; genus <= genera; ++genus) this.genus(genus);
        this.helpAndInfo();
        this.do('language 1');
        this.do('openGenera');
        this.do(`chooseGenus ${genera + 1}`);  // a menu item that holds no genus
        return this;
    }
}
