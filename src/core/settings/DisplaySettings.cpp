#include "settings/DisplaySettings.h"

namespace tarnholt {

uint32_t Rgb::value() const
{
    return static_cast<uint32_t>(red) + 256u * static_cast<uint32_t>(green) +
           65536u * static_cast<uint32_t>(blue);
}

const std::array<DisplaySettings::Entry, 7>& DisplaySettings::entries()
{
    static const std::array<Entry, 7> table{{
        {&DisplaySettings::roomText, "RoomColor", "Room Text Color:"},
        {&DisplaySettings::roomBackground, "RoomBackgroundColor", "Background Room Color:"},
        {&DisplaySettings::roomBorder, "RoomBorderColor", "Room Border Color:"},
        {&DisplaySettings::normalExit, "NormalExitColor", "Normal Exit Color:"},
        {&DisplaySettings::oneWayExit, "OneWayExitColor", "One-way Exit Color:"},
        {&DisplaySettings::closedDoor, "ClosedDoorColor", "Closed Door Color:"},
        {&DisplaySettings::lockedDoor, "LockedDoorColor", "Locked Door Color:"},
    }};
    return table;
}

std::array<int32_t, 21> DisplaySettings::toInts() const
{
    std::array<int32_t, 21> values{};
    std::size_t i = 0;
    for (const Entry& entry : entries()) {
        const Rgb& rgb = this->*entry.member;
        values[i++] = rgb.red;
        values[i++] = rgb.green;
        values[i++] = rgb.blue;
    }
    return values;
}

void DisplaySettings::fromInts(const std::array<int32_t, 21>& values)
{
    std::size_t i = 0;
    for (const Entry& entry : entries()) {
        Rgb& rgb = this->*entry.member;
        rgb.red = values[i++];
        rgb.green = values[i++];
        rgb.blue = values[i++];
    }
}

DisplaySettings& displaySettings()
{
    static DisplaySettings settings;
    return settings;
}

} // namespace tarnholt
