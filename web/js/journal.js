// The choices of this visit, kept in the tab's session storage, so that a reload (or a
// phone that dropped the page in the background) starts where the user was. Only the
// actions that make the search are kept; a new genus starts the journal afresh.
const STORE = 'sporix.journal';
const KEPT = new Set(['chooseGenus', 'chooseState', 'clearAll', 'stepBack', 'speedButton', 'searchKind', 'language']);

export class Journal {
    constructor(version) {
        this.version = version;
        let stored = null;
        try {
            stored = JSON.parse(sessionStorage.getItem(STORE));
        } catch {
            stored = null;
        }
        this.steps = stored?.version === version && Array.isArray(stored.steps) ? stored.steps : [];
    }

    record(name, args) {
        if (!KEPT.has(name)) return;
        if (name === 'chooseGenus') this.steps = [];
        this.steps.push([name, args]);
        sessionStorage.setItem(STORE, JSON.stringify({version: this.version, steps: this.steps}));
    }
}
