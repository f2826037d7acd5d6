#include "generate/PartSchedule.h"

#include <algorithm>
#include <cassert>

namespace tarnholt {

PartSchedule::PartSchedule(const std::vector<std::size_t>& partsPerStream, std::size_t ahead)
    : ahead_(std::max<std::size_t>(ahead, 1))
{
    std::size_t total = 0;
    for (std::size_t parts : partsPerStream) {
        first_.push_back(total);
        nextToWrite_.push_back(total);
        total += parts;
    }
    state_.assign(total, State::Waiting);
}

std::size_t PartSchedule::streamOf(std::size_t part) const
{
    // The last stream whose first part is at or before `part` (streams without parts are skipped).
    const auto after = std::upper_bound(first_.begin(), first_.end(), part);
    return static_cast<std::size_t>(after - first_.begin()) - 1;
}

bool PartSchedule::lastInStream(std::size_t part) const
{
    return part + 1 == end(streamOf(part));
}

std::size_t PartSchedule::oldestUnwritten() const
{
    std::size_t oldest = total();
    for (std::size_t s = 0; s < first_.size(); ++s)
        if (!streamWritten(s))
            oldest = std::min(oldest, nextToWrite_[s]);
    return oldest;
}

bool PartSchedule::canTake() const
{
    // The part `ahead` places back shares the place of the next one: it must be written.
    return !allTaken() && nextToTake_ < oldestUnwritten() + ahead_;
}

std::size_t PartSchedule::take()
{
    assert(canTake());
    state_[nextToTake_] = State::Making;
    return nextToTake_++;
}

void PartSchedule::made(std::size_t part)
{
    assert(state_[part] == State::Making);
    state_[part] = State::Made;
}

std::optional<std::size_t> PartSchedule::nextToWrite(std::size_t stream) const
{
    const std::size_t part = nextToWrite_[stream];
    if (part == end(stream) || state_[part] != State::Made)
        return std::nullopt;
    return part;
}

void PartSchedule::written(std::size_t part)
{
    const std::size_t stream = streamOf(part);
    assert(nextToWrite_[stream] == part && state_[part] == State::Made);
    state_[part] = State::Written;
    ++nextToWrite_[stream];
}

} // namespace tarnholt
