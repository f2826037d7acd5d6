#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarnholt {

/// The bookkeeping of a job made in numbered parts by several threads and written in order, one
/// stream of parts after another: which part is to be made next, and which part of a stream is the
/// next to be written once it is made. Parts are numbered across the streams in order. At most
/// `ahead` parts are taken beyond the oldest part not yet written, so a part's buffers can be kept in
/// place `slotOf(part)` of `ahead` places and used again. Not safe to share: the caller keeps it
/// under its own lock.
class PartSchedule {
public:
    /// `partsPerStream`: how many parts each stream has, in order.
    PartSchedule(const std::vector<std::size_t>& partsPerStream, std::size_t ahead);

    std::size_t total() const { return state_.size(); }
    std::size_t streamOf(std::size_t part) const;
    /// The part's place in its stream: 0 for the stream's first.
    std::size_t indexInStream(std::size_t part) const { return part - first_[streamOf(part)]; }
    bool lastInStream(std::size_t part) const;
    std::size_t slotOf(std::size_t part) const { return part % ahead_; }

    /// Whether every part has been taken.
    bool allTaken() const { return nextToTake_ == total(); }
    /// Whether a part may be taken now: one is left, and fewer than `ahead` wait to be written.
    bool canTake() const;
    /// Takes the next part to make; only when `canTake()`.
    std::size_t take();
    /// The part is made and may be written.
    void made(std::size_t part);

    /// The next part of `stream` to write, when it is made; none while it is still being made, not
    /// yet taken, or the stream is written whole.
    std::optional<std::size_t> nextToWrite(std::size_t stream) const;
    /// The part, the one `nextToWrite` gave, is written; its place may be taken again.
    void written(std::size_t part);
    /// Whether every part of `stream` has been written.
    bool streamWritten(std::size_t stream) const { return nextToWrite_[stream] == end(stream); }

private:
    enum class State : uint8_t { Waiting, Making, Made, Written };

    std::size_t end(std::size_t stream) const
    {
        return stream + 1 < first_.size() ? first_[stream + 1] : total();
    }
    std::size_t oldestUnwritten() const;

    std::vector<std::size_t> first_;       // each stream's first part
    std::vector<std::size_t> nextToWrite_; // per stream
    std::vector<State> state_;             // per part
    std::size_t ahead_;
    std::size_t nextToTake_ = 0;
};

} // namespace tarnholt
