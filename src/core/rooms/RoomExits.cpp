#include "rooms/RoomExits.h"

#include <string>

#include "world/Archive.h"

namespace tarnholt {

const Exit RoomExits::kNone;

RoomExits::RoomExits(const RoomExits& other)
{
    for (std::size_t d = 0; d < slots_.size(); ++d)
        if (other.slots_[d])
            slots_[d] = std::make_unique<Exit>(*other.slots_[d]);
}

RoomExits& RoomExits::operator=(const RoomExits& other)
{
    if (this != &other) {
        RoomExits copy(other);
        slots_.swap(copy.slots_);
    }
    return *this;
}

Exit& RoomExits::edit(std::size_t direction)
{
    std::unique_ptr<Exit>& slot = slots_.at(direction);
    if (!slot)
        slot = std::make_unique<Exit>();
    return *slot;
}

void RoomExits::clear()
{
    for (std::unique_ptr<Exit>& slot : slots_)
        slot.reset();
}

namespace {

// Most of a World's exits are unused, and all of them are stored as these bytes.
const std::string& blankExitBytes()
{
    static const std::string bytes = [] {
        Archive ar;
        Exit().Serialize(ar);
        return ar.takeData();
    }();
    return bytes;
}

} // namespace

void RoomExits::Serialize(Archive& ar)
{
    const std::string& blankBytes = blankExitBytes();
    if (!ar.isLoading()) {
        for (std::unique_ptr<Exit>& slot : slots_) {
            if (slot)
                slot->Serialize(ar);
            else
                ar.writeBytes(blankBytes.data(), blankBytes.size());
        }
        return;
    }
    const Exit& blank = empty();
    Exit read;
    for (std::unique_ptr<Exit>& slot : slots_) {
        if (ar.skipIfNext(blankBytes)) {
            slot.reset();
            continue;
        }
        read.Serialize(ar);
        if (read == blank) {
            slot.reset();
            continue;
        }
        slot = std::make_unique<Exit>(std::move(read));
        read = Exit();
    }
}

bool RoomExits::operator==(const RoomExits& other) const
{
    for (std::size_t d = 0; d < slots_.size(); ++d)
        if (!(slots_[d] == other.slots_[d] || (*this)[d] == other[d]))
            return false;
    return true;
}

} // namespace tarnholt
