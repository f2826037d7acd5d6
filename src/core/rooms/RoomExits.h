#pragma once

#include <array>
#include <cstddef>
#include <iterator>
#include <memory>

#include "rooms/Exit.h"

namespace tarnholt {

class Archive;

/// A room's ten exits, indexed by direction number. Most rooms use two to four of them, so only
/// the exits that were ever edited are kept; reading a direction that holds none gives an empty
/// exit. An exit stays where it is until the exits are cleared or assigned, so references to it
/// stay good while others are added.
class RoomExits {
    using Slots = std::array<std::unique_ptr<Exit>, kDirectionCount>;

    // Walks the kept exits in direction order.
    template <typename Value, typename SlotIterator>
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Exit;
        using difference_type = std::ptrdiff_t;
        using pointer = Value*;
        using reference = Value&;

        Iterator() = default;
        Iterator(SlotIterator at, SlotIterator end) : at_(at), end_(end) { skipEmpty(); }
        reference operator*() const { return **at_; }
        pointer operator->() const { return at_->get(); }
        Iterator& operator++()
        {
            ++at_;
            skipEmpty();
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator& other) const { return at_ == other.at_; }

    private:
        void skipEmpty()
        {
            while (at_ != end_ && !*at_)
                ++at_;
        }
        SlotIterator at_{};
        SlotIterator end_{};
    };

public:
    using iterator = Iterator<Exit, Slots::iterator>;
    using const_iterator = Iterator<const Exit, Slots::const_iterator>;

    RoomExits() = default;
    RoomExits(const RoomExits& other);
    RoomExits& operator=(const RoomExits& other);
    RoomExits(RoomExits&&) noexcept = default;
    RoomExits& operator=(RoomExits&&) noexcept = default;
    ~RoomExits() = default;

    static constexpr std::size_t size() { return kDirectionCount; }

    /// The exit in `direction` (0 to 9); an empty exit when none is kept there.
    const Exit& operator[](std::size_t direction) const
    {
        const std::unique_ptr<Exit>& slot = slots_[direction];
        return slot ? *slot : kNone;
    }
    /// The exit in `direction` (0 to 9) to change, kept from now on.
    Exit& edit(std::size_t direction);
    /// Whether an exit is kept in `direction`; one that is kept may still be empty.
    bool kept(std::size_t direction) const { return slots_[direction] != nullptr; }
    /// Every direction empty again.
    void clear();

    /// The kept exits, in direction order; the other directions are empty.
    iterator begin() { return {slots_.begin(), slots_.end()}; }
    iterator end() { return {slots_.end(), slots_.end()}; }
    const_iterator begin() const { return {slots_.begin(), slots_.end()}; }
    const_iterator end() const { return {slots_.end(), slots_.end()}; }

    /// All ten exits in direction order, as the document stores them; an exit read empty is not kept.
    void Serialize(Archive& ar);

    /// Equal when every direction holds an equal exit, whether kept or not.
    bool operator==(const RoomExits& other) const;

    /// The exit of a direction that holds none.
    static const Exit& empty() { return kNone; }

private:
    static const Exit kNone;
    Slots slots_;
};

} // namespace tarnholt
