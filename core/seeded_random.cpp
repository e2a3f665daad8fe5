#include "core/seeded_random.h"

namespace tensorium {

std::uint64_t Fnv1a64(std::string_view text)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3u;
    }
    return hash;
}

std::uint64_t SeededRandom::Next()
{
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

std::uint64_t SeededRandom::Below(std::uint64_t n)
{
    // 2^64 mod n draws are left over after the last whole run of n values;
    // dropping the lowest ones leaves each remainder equally likely.
    const std::uint64_t leftOver = (0 - n) % n;
    for (;;) {
        const std::uint64_t x = Next();
        if (x >= leftOver) return x % n;
    }
}

int SeededRandom::Between(int low, int high)
{
    const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low) + 1;
    return static_cast<int>(static_cast<std::int64_t>(low) + static_cast<std::int64_t>(Below(span)));
}

}  // namespace tensorium
