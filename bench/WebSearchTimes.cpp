// The web player's searches timed natively: the same player actions the page sends (views
// turned into JSON included), on the largest genus the tables hold. bench/web/run.mjs times
// the same actions in the module, under node and in Chromium, against these times.
//
//     sporix_web_times KEY_FOLDER    writes the genus's key there; prints {"kind1":µs,"kind2":µs}
#include <algorithm>
#include <chrono>
#include <iostream>

#include "MaximalGenus.h"
#include "WebPlayer.h"

namespace sporix {
namespace {

class NoPictures : public PictureCatalogue {
public:
    std::optional<PictureSize> sizeOf(const std::string&) override { return std::nullopt; }
};

// The median over batches of one action's time, in microseconds; batches, so that the
// browser's coarse clock measures the same way.
template <typename Action>
double medianMicroseconds(Action&& action, int batches = 15, int perBatch = 40) {
    std::vector<double> times;
    for (int b = 0; b < batches; ++b) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < perBatch; ++i) action(i);
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        times.push_back(took.count() / perBatch);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace
}  // namespace sporix

int main(int argc, char** argv) {
    using namespace sporix;
    if (argc != 2) {
        std::cerr << "usage: sporix_web_times KEY_FOLDER\n";
        return 2;
    }
    test::TempFolder folder;
    bench::writeMaximalKey(folder);
    std::filesystem::copy(folder.path(), argv[1], std::filesystem::copy_options::recursive);

    NoPictures pictures;
    WebPlayer player(folder.path(), pictures);
    player.activate();
    player.openGenera();
    player.chooseGenus(1);
    // The first kind with ten characters chosen; the tenth changes back and forth.
    player.searchKind(1);
    for (int row = 1; row <= 9; ++row) player.chooseState(row, (row - 1) % kMaxStates);
    const double kind1 = medianMicroseconds([&](int i) { player.chooseState(10, 9 - i % 2); });
    // The second kind: the first choice after Clear all.
    player.searchKind(2);
    const double kind2 = medianMicroseconds([&](int) {
        player.clearAll();
        player.chooseState(1, 0);
    });
    std::cout << "{\"kind1\":" << kind1 << ",\"kind2\":" << kind2 << "}\n";
    return 0;
}
