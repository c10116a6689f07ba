// The searches that the benchmark times, the same as bench/WebSearchTimes.cpp does natively.
// Self-contained, so that it also runs inside a page (it is handed over as its source).
export function timeSearches(player, now) {
    const median = (action, batches = 15, perBatch = 40) => {
        const times = [];
        for (let b = 0; b < batches; ++b) {
            const start = now();
            for (let i = 0; i < perBatch; ++i) action(i);
            times.push(((now() - start) * 1000) / perBatch);
        }
        return times.sort((x, y) => x - y)[Math.floor(batches / 2)];
    };
    player.activate();
    player.openGenera();
    player.chooseGenus(1);
    player.searchKind(1);
    for (let row = 1; row <= 9; ++row) player.chooseState(row, (row - 1) % 20);
    const kind1 = median((i) => player.chooseState(10, 9 - (i % 2)));
    player.searchKind(2);
    const kind2 = median(() => {
        player.clearAll();
        player.chooseState(1, 0);
    });
    return {kind1, kind2};
}
