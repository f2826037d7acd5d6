#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "universe/FlagEncoder.h"
#include "universe/FlagEntry.h"

namespace tarnholt {

class Generator;
class World;
class Questions;

/// The model of the target MUD: the name tables that turn the names builders pick into the codes
/// and numbers of the area files, and back. Built with the default tables; never stored.
class Universe {
public:
    /// A Universe filled with the default tables.
    Universe();

    /// Puts back the default tables (and the limits), as a newly created document has them.
    void fillDefaults();

    // While a generation run is in progress, the Generator writing the area files; else null.
    Generator* generator = nullptr;

    std::vector<std::string> itemSpecProcs; // 14
    int32_t maxAbilities = 2;
    int32_t maxItemSpells = 1;
    std::vector<std::string> mobSpecProcs;  // 133
    std::vector<std::string> roomSpecProcs; // 10
    std::vector<FlagEntry> terrains;        // 9, field 1
    std::vector<FlagEntry> roomFlags;       // 15, field 0
    FlagEntry specialProcFlag;              // "Special Proc Flag" A
    FlagEntry extraOneHitFlag;              // "Extra One-Hit Flag" J
    FlagEntry extraTwoHitFlag;              // "Extra Two-Hit Flag" K
    std::vector<FlagEntry> mobFlags;        // 22: 16 of field 0, then 6 of field 1
    std::vector<FlagEntry> wearFlags;       // 15, field 1
    std::vector<FlagEntry> classRestrictions; // 11, field 0
    std::vector<FlagEntry> itemExtraFlags;  // 18, field 0
    std::vector<FlagEntry> applyTypes;      // 22, numbers
    std::vector<FlagEntry> damageTypes;     // 16, numbers
    std::vector<FlagEntry> liquids;         // 16, numbers
    std::vector<SpellEntry> spells;         // 96
    std::vector<FlagEntry> equipPositions;  // 18, numbers

    // Lookups: exact, case-sensitive, first match in table order.
    /// The code of the entry named `name`, or "0".
    static std::string codeOf(const std::vector<FlagEntry>& table, std::string_view name);
    /// The name of the entry whose code, read as a decimal number, equals `number`; "" when none.
    static std::string nameOfNumber(const std::vector<FlagEntry>& table, int number);

    std::string equipPositionCode(std::string_view name) const { return codeOf(equipPositions, name); }
    std::string liquidNumberText(std::string_view name) const { return codeOf(liquids, name); }
    std::string damageTypeNumberText(std::string_view name) const { return codeOf(damageTypes, name); }
    std::string applyNumberText(std::string_view name) const { return codeOf(applyTypes, name); }
    /// The spell's number in decimal, "0" for a name not in the table (the empty name included).
    std::string spellNumberText(std::string_view name) const;

    std::string terrainName(int number) const { return nameOfNumber(terrains, number); }
    std::string applyName(int number) const { return nameOfNumber(applyTypes, number); }
    std::string damageTypeName(int number) const { return nameOfNumber(damageTypes, number); }
    std::string liquidName(int number) const { return nameOfNumber(liquids, number); }
    /// The spell's name, "" when no spell has that number.
    std::string spellName(int number) const;

    /// The running generator's flag encoder; outside a run, a scratch encoder of the Universe's own.
    FlagEncoder& encoder();
    /// Adds a warning to the running generator's list; does nothing outside a run.
    void addWarning(const std::string& type, const std::string& identifier, const std::string& text);

private:
    FlagEncoder scratchEncoder_;
};

} // namespace tarnholt
