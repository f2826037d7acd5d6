#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tarnholt {

/// The positions a mob can be loaded in or return to, by index, as the editor lists them.
inline constexpr std::array<std::string_view, 4> kMobPositionLabels{"Standing", "Sitting", "Resting",
                                                                    "Sleeping"};
inline constexpr std::array<std::string_view, 3> kMobSexLabels{"Neuter", "Male", "Female"};
inline constexpr std::array<std::string_view, 4> kMobAttackLabels{"One Attack", "Two Attacks",
                                                                  "Three Attacks", "Four Attacks"};

/// The number the mob area file uses for a position index: 8, 6, 5, 4; 0 for an unknown index.
int32_t mobPositionAreaNumber(int32_t index);
/// The position index of an area-file number: 4 Sleeping, 5 Resting, 6 Sitting; anything else
/// (8 included) Standing.
int32_t mobPositionFromAreaNumber(int32_t number);

} // namespace tarnholt
