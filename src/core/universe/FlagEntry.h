#pragma once

#include <cstdint>
#include <string>

namespace tarnholt {

/// One entry of a Universe name table: the name the builder sees and what it becomes in area files.
struct FlagEntry {
    std::string name;
    std::string code;   // a letter contributing to a flag word, or a decimal number
    int32_t bit = -1;
    int32_t field = -1; // index of the flag word the code belongs to; -1 = none

    bool operator==(const FlagEntry&) const = default;
};

/// One spell of the Universe's spell table.
struct SpellEntry {
    SpellEntry(std::string name, int32_t number, const std::string& usageLetters);

    std::string name;
    int32_t number = 0;
    // True when the usage letters at construction held, in this order, C, D, I, P, S, W.
    int32_t usageC = 0;
    int32_t usageD = 0;
    int32_t usageI = 0;
    int32_t usageP = 0;
    int32_t usageS = 0;
    int32_t usageW = 0;
};

/// How a names list meets a table: names that are set, or (class restrictions) names that are not.
enum class FlagMode { Set, Inverted };

} // namespace tarnholt
