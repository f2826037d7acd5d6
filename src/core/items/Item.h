#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "items/ItemValues.h"
#include "rooms/ExtraDescriptions.h"
#include "universe/FlagEncoder.h"

namespace tarnholt {

class Archive;
class LineReader;
class Questions;
class Universe;
class World;

/// One object definition of the zone: names and texts, type and type values, flags, wear
/// locations, class restrictions, abilities, spells, special procedures, assembly recipe and
/// extra descriptions. Refers to other records only by Identifier.
class Item {
public:
    Item();
    /// Full copy: every field, vnum and Identifier included; the value record is cloned.
    Item(const Item& other);
    Item& operator=(const Item& other);
    Item(Item&&) noexcept;
    Item& operator=(Item&&) noexcept;
    ~Item();

    int32_t vnum = 0;
    std::vector<int32_t> abilityModifiers;  // parallel to abilityNames
    std::vector<std::string> abilityNames;  // Universe apply-type names
    std::vector<std::string> classRestrictions; // classes that may use the item
    std::vector<std::string> extraFlags;
    std::vector<std::string> specProcs;     // "%s %i %i %s": name, probability, terminate, number
    std::vector<std::string> itemSpells;
    std::vector<std::string> wearFlags{"Takeable"};
    std::string aliases;
    std::string description;
    std::string identifier;
    std::string longDescription;
    std::string shortDescription;
    std::string itemType; // a type name, "" = no type
    int32_t rent = 0;
    int32_t value = 0;
    int32_t weight = 0;
    std::string reservedText; // kept, copied and reset; nothing sets it
    std::vector<std::string> assemblyComponents; // Identifiers of the items it is made from
    ExtraDescriptions extraDescriptions;
    std::unique_ptr<ItemValues> valueRecord; // exists exactly when the type has a value record

    /// Back to a new item's values (one wear flag, "Takeable"); extra descriptions are kept.
    void reset();
    /// The full copy with vnum -1 and no Identifier (an item stored as a template).
    void copyAsNew(const Item& other);
    /// The full copy keeping this item's vnum and Identifier (a template applied to it).
    void copyContent(const Item& other);

    void Serialize(Archive& ar);

    /// Not used by any command; writes nothing.
    void WriteSpecialListing(std::string& out, Universe& universe, const World& world) const;
    /// Appends the item's block of the object file ("\n" line ends). May add warnings.
    void WriteAreaText(std::string& out, Universe& universe, const World& world) const;
    /// The decoders of an item's flag words, made once from a Universe for a run of reads.
    struct FlagDecoders {
        explicit FlagDecoders(const Universe& universe);
        FlagDecoder extraFlags;
        FlagDecoder classRestrictions;
        FlagDecoder wearFlags;
    };
    /// Fills this (fresh) item from the block after `header` (its "#" line). Returns the line that
    /// ended the block, or "" when the block was abandoned or the data ended inside it.
    std::string ReadAreaText(LineReader& in, const Universe& universe, const std::string& header,
                             Questions& questions);
    /// The same with the decoders of `universe` made beforehand.
    std::string ReadAreaText(LineReader& in, const Universe& universe, const FlagDecoders& decoders,
                             const std::string& header, Questions& questions);

    void RenameItemRef(const std::string& oldName, const std::string& newName);
    void RenameMobRef(const std::string& oldName, const std::string& newName);
    void RenameRoomRef(const std::string& oldName, const std::string& newName);

    /// Every field equal, the value records compared by content.
    bool operator==(const Item& other) const;
};

} // namespace tarnholt
