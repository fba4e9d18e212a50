#pragma once

#include <cstdint>
#include <random>

namespace morvane {

// Source of the random class numbers of carousels and magnifiers; tests seed it.
class RandomSource {
public:
    RandomSource();
    explicit RandomSource(std::uint64_t seed);

    // Uniform integer in [low, high].
    int Between(int low, int high);

private:
    std::mt19937_64 engine_;
};

} // namespace morvane
