#include "RandomSource.h"

namespace morvane {

RandomSource::RandomSource() : engine_(std::random_device{}())
{
}

RandomSource::RandomSource(std::uint64_t seed) : engine_(seed)
{
}

int RandomSource::Between(int low, int high)
{
    std::uniform_int_distribution<int> pick(low, high);
    return pick(engine_);
}

} // namespace morvane
