#pragma once

#include <cstdint>
#include <string_view>

// A generator of our own: the std:: distributions may give other numbers with
// another library version, and the pictures must come out the same byte for byte.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    // Seeds from a text (a species code, a genus code) plus a salt that keeps the
    // picture kinds of one species independent of each other.
    static Rng fromText(std::string_view text, std::uint64_t salt = 0) {
        std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
        for (unsigned char c : text) {
            hash ^= c;
            hash *= 1099511628211ull;
        }
        return Rng(hash ^ (salt * 0x9E3779B97F4A7C15ull));
    }

    std::uint64_t next()  // splitmix64
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }  // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int below(int n) { return n <= 0 ? 0 : int(next() % std::uint64_t(n)); }
    bool chance(double probability) { return unit() < probability; }

private:
    std::uint64_t state_;
};
