// Random numbers that are the same on every machine and with every standard
// library: a text hashed by FNV-1a into SplitMix64, and whole numbers drawn
// without bias by rejection. The distributions of <random> are not used
// because the standard leaves their algorithms to each library.
#pragma once

#include <cstdint>
#include <string_view>

namespace tensorium {

// FNV-1a, 64 bits, of the bytes of `text` (UTF-8 for a name).
std::uint64_t Fnv1a64(std::string_view text);

class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
    explicit SeededRandom(std::string_view seed) : state_(Fnv1a64(seed)) {}

    // The next 64 bits of SplitMix64.
    std::uint64_t Next();
    // A whole number in [0, n), each equally likely; n > 0.
    std::uint64_t Below(std::uint64_t n);
    // A whole number in [low, high], each equally likely; low <= high.
    int Between(int low, int high);

private:
    std::uint64_t state_;
};

}  // namespace tensorium
