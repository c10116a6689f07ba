// The page's windows as history entries: every window that opens pushes one, and the
// phone's Back (popstate) closes the window on top instead of leaving the player. A window
// closed on the page takes its entry back, so the entries always match the open windows.
export class WindowHistory {
    // `openCount()` tells how many windows are open; `closeTop()` closes the top one.
    constructor(openCount, closeTop) {
        this.openCount = openCount;
        this.closeTop = closeTop;
        this.depth = 0;
        this.ignored = 0;  // our own history.go() calls, whose popstate is no Back
        this.closing = false;
    }

    start() {
        history.replaceState({sporixDepth: 0}, '');
        window.addEventListener('popstate', (event) => this.popped(event.state?.sporixDepth ?? 0));
    }

    // After every change on the page: one entry per open window.
    sync() {
        if (this.closing) return;
        const open = this.openCount();
        while (this.depth < open) {
            this.depth += 1;
            history.pushState({sporixDepth: this.depth}, '');
        }
        if (this.depth > open) {
            this.ignored += 1;
            history.go(open - this.depth);
            this.depth = open;
        }
    }

    popped(target) {
        if (this.ignored > 0) {
            this.ignored -= 1;
            return;
        }
        this.depth = target;
        this.closing = true;
        try {
            while (this.openCount() > target && this.closeTop());
        } finally {
            this.closing = false;
        }
        // Forward to a window closed since, or a window that would not close: entries again
        // as many as the windows.
        this.sync();
    }
}
