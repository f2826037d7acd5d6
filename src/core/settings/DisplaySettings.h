#pragma once

#include <array>
#include <cstdint>

namespace tarnholt {

/// One display colour as the settings store keeps it: three ints, normally 0 to 255.
/// Values outside that range are kept as stored; the drawing colour is formed from them anyway.
struct Rgb {
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;

    /// The colour value used for drawing: red + 256 * green + 65536 * blue (computed without overflow,
    /// wrapping like unsigned arithmetic).
    uint32_t value() const;
    /// The 8-bit channels of value(): the drawing colour a surface receives.
    uint8_t redByte() const { return static_cast<uint8_t>(value() & 0xFFu); }
    uint8_t greenByte() const { return static_cast<uint8_t>((value() >> 8) & 0xFFu); }
    uint8_t blueByte() const { return static_cast<uint8_t>((value() >> 16) & 0xFFu); }

    bool operator==(const Rgb&) const = default;
};

/// The seven colours the map is drawn in. Plain data: the editor's settings store loads and saves it
/// (section "Colors", 21 integer keys named by `keyPrefix` + " - Red" / " - Green" / " - Blue"),
/// and the "Define Colors" form edits it. The defaults are those of a first start with an empty store.
struct DisplaySettings {
    Rgb roomText{255, 0, 0};
    Rgb roomBackground{180, 180, 180};
    Rgb roomBorder{0, 0, 0};
    Rgb normalExit{0, 0, 0};
    Rgb oneWayExit{255, 0, 128};
    Rgb closedDoor{0, 255, 0};
    Rgb lockedDoor{0, 128, 255};

    // The drawing values of the seven colours (red + 256 * green + 65536 * blue).
    uint32_t roomTextColor() const { return roomText.value(); }
    uint32_t roomBackgroundColor() const { return roomBackground.value(); }
    uint32_t roomBorderColor() const { return roomBorder.value(); }
    uint32_t normalExitColor() const { return normalExit.value(); }
    uint32_t oneWayExitColor() const { return oneWayExit.value(); }
    uint32_t closedDoorColor() const { return closedDoor.value(); }
    uint32_t lockedDoorColor() const { return lockedDoor.value(); }

    /// One row of the colour table, in the order of the store and of the form's rows.
    struct Entry {
        Rgb DisplaySettings::*member;
        const char* keyPrefix; ///< "RoomColor": the store keys are "RoomColor - Red" and so on
        const char* label;     ///< the form's label, "Room Text Color:"
    };
    static const std::array<Entry, 7>& entries();

    /// The 21 ints in store order: each colour's red, green and blue, colours in table order.
    std::array<int32_t, 21> toInts() const;
    void fromInts(const std::array<int32_t, 21>& values);

    bool operator==(const DisplaySettings&) const = default;
};

/// The program's one settings object, created with the defaults on first use. It is loaded once at
/// start-up, read by every paint of the map and saved once at exit.
DisplaySettings& displaySettings();

} // namespace tarnholt
