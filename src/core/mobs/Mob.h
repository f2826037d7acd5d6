#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rooms/ExtraDescriptions.h"
#include "universe/FlagEncoder.h"

namespace tarnholt {

class Archive;
class LineReader;
class Questions;
class Universe;

/// One monster definition of the zone: names and texts, combat numbers, flags, special
/// procedures, speech and extra descriptions. Other records refer to it by its Identifier.
class Mob {
public:
    /// A mob with the default numbers and no texts.
    Mob() = default;

    int32_t vnum = 0;
    int32_t alignment = 0;
    int32_t armorClass = 10;       // 10: worst, -10: best
    int32_t damageDiceCount = 1;   // damage roll: count d sides + bonus
    int32_t damageDiceSides = 1;
    int32_t damageBonus = 0;
    int32_t experience = 1;
    int32_t gold = 0;
    int32_t hitDiceCount = 1;      // hit points: count d sides + bonus
    int32_t hitDiceSides = 1;
    int32_t hitBonus = 0;
    int32_t level = 1;
    int32_t thaco = 20;            // 20: worst, -10: best
    int32_t defaultPosition = 0;   // position index, see MobPositions.h
    int32_t loadPosition = 0;
    int32_t attackCountIndex = 0;  // 0 = one attack ... 3 = four attacks
    int32_t sex = 0;               // 0 Neuter, 1 Male, 2 Female
    std::string description;       // several lines, CR LF while edited
    std::string identifier;
    std::string longDescription;   // the one-line room text
    std::string aliases;
    std::string shortDescription;
    // Each line carries its own line end: "<INTERVAL> %s\n" or "<LINE> %s <END_LINE>\n".
    std::vector<std::string> speech;
    // Names of the Universe's mob flag entries that are set (action and affect together).
    std::vector<std::string> flags;
    // Spec proc entries "%s %i %i %s": name, probability, terminate (0/1), special number.
    std::vector<std::string> specProcs;
    ExtraDescriptions extraDescriptions;

    /// Puts the numbers back to their defaults, empties the five texts, the speech and the flags.
    /// The special procedures and the extra descriptions stay as they are.
    void reset();
    /// Copies everything except vnum (-1) and Identifier (""), as a template is made.
    void copyAsNew(const Mob& other);
    /// Copies everything except vnum and Identifier, which keep their values.
    void copyContent(const Mob& other);

    void Serialize(Archive& ar);

    /// Appends the mob's block of the mob area file. Reports an empty description as a warning
    /// and builds the flag line with the encoder of the Universe.
    void WriteAreaText(std::string& out, Universe& universe) const;
    /// The decoder of a mob's flag words, made once from a Universe for a run of reads.
    struct FlagDecoders {
        explicit FlagDecoders(const Universe& universe);
        FlagDecoder flags;
    };
    /// Reads the block that follows `header` (a "#" and the vnum) into a freshly constructed mob.
    /// Returns the first line after the block, trimmed, or "" when reading stopped (end of data,
    /// or No to a "Missing values" question).
    std::string ReadAreaText(LineReader& in, const Universe& universe, const std::string& header,
                             Questions& questions);
    /// The same with the decoders of `universe` made beforehand.
    std::string ReadAreaText(LineReader& in, const Universe& universe, const FlagDecoders& decoders,
                             const std::string& header, Questions& questions);

    void RenameItemRef(const std::string& oldName, const std::string& newName);
    void RenameMobRef(const std::string& oldName, const std::string& newName);
    void RenameRoomRef(const std::string& oldName, const std::string& newName);

    bool operator==(const Mob&) const = default;
};

} // namespace tarnholt
