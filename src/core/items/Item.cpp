#include "items/Item.h"

#include <array>
#include <typeinfo>

#include "app/Questions.h"
#include "generate/AreaText.h"
#include "items/ItemTypes.h"
#include "items/NumberScan.h"
#include "universe/FlagEncoder.h"
#include "universe/Universe.h"
#include "world/Archive.h"
#include "world/Encoding.h"
#include "world/World.h"

namespace tarnholt {

namespace {

// An item line gives its flags in three words (extra flags, class restrictions, wear flags share them).
constexpr std::size_t kFlagWords = 3;

constexpr int32_t kItemVersion = 6;

std::unique_ptr<ItemValues> cloneOf(const std::unique_ptr<ItemValues>& record)
{
    return record ? record->Clone() : nullptr;
}

} // namespace

Item::Item() = default;

Item::Item(const Item& other)
    : vnum(other.vnum),
      abilityModifiers(other.abilityModifiers),
      abilityNames(other.abilityNames),
      classRestrictions(other.classRestrictions),
      extraFlags(other.extraFlags),
      specProcs(other.specProcs),
      itemSpells(other.itemSpells),
      wearFlags(other.wearFlags),
      aliases(other.aliases),
      description(other.description),
      identifier(other.identifier),
      longDescription(other.longDescription),
      shortDescription(other.shortDescription),
      itemType(other.itemType),
      rent(other.rent),
      value(other.value),
      weight(other.weight),
      reservedText(other.reservedText),
      assemblyComponents(other.assemblyComponents),
      extraDescriptions(other.extraDescriptions),
      valueRecord(cloneOf(other.valueRecord))
{
}

Item& Item::operator=(const Item& other)
{
    if (this != &other) {
        Item copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Item::Item(Item&&) noexcept = default;
Item& Item::operator=(Item&&) noexcept = default;
Item::~Item() = default;

void Item::reset()
{
    abilityModifiers.clear();
    abilityNames.clear();
    classRestrictions.clear();
    extraFlags.clear();
    itemSpells.clear();
    wearFlags.clear();
    wearFlags.push_back("Takeable");
    valueRecord.reset();
    rent = 0;
    value = 0;
    weight = 0;
    itemType.clear();
    aliases.clear();
    description.clear();
    identifier.clear();
    longDescription.clear();
    shortDescription.clear();
    reservedText.clear();
    vnum = 0;
    assemblyComponents.clear();
    specProcs.clear();
}

void Item::copyAsNew(const Item& other)
{
    *this = other;
    vnum = -1;
    identifier.clear();
}

void Item::copyContent(const Item& other)
{
    int32_t keptVnum = vnum;
    std::string keptIdentifier = identifier;
    *this = other;
    vnum = keptVnum;
    identifier = std::move(keptIdentifier);
}

void Item::Serialize(Archive& ar)
{
    if (ar.isStoring()) {
        int32_t version = kItemVersion;
        ar.serialize(version);
        ar.serialize(vnum);
        ar.serializeIntList(abilityModifiers);
        ar.serializeStringList(abilityNames);
        ar.serializeStringList(classRestrictions);
        ar.serializeStringList(extraFlags);
        ar.serializeStringList(wearFlags);
        ar.serializeStringList(itemSpells);
        ar.serialize(itemType);
        ar.serialize(aliases);
        ar.serialize(identifier);
        ar.serialize(longDescription);
        ar.serialize(shortDescription);
        ar.serialize(description);
        ar.serialize(weight);
        ar.serialize(value);
        ar.serialize(rent);
        ar.serialize(reservedText);
        ar.serializeStringList(assemblyComponents);
        // Loading makes the record from the type name, so what is stored must be a record of that
        // type: a record that does not match its type (or a missing one) is stored as the type's
        // default record, and none at all for a type without values.
        if (std::unique_ptr<ItemValues> expected = createItemValues(itemType)) {
            const ItemValues* held = valueRecord.get();
            const ItemValues& wanted = *expected;
            if (held && typeid(*held) == typeid(wanted))
                valueRecord->Serialize(ar);
            else
                expected->Serialize(ar);
        }
        extraDescriptions.Serialize(ar);
        ar.serializeStringList(specProcs);
        return;
    }

    valueRecord.reset();
    int32_t version = 0;
    ar.serialize(version);
    ar.serialize(vnum);
    ar.serializeIntList(abilityModifiers);
    ar.serializeStringList(abilityNames);
    ar.serializeStringList(classRestrictions);
    ar.serializeStringList(extraFlags);
    ar.serializeStringList(wearFlags);
    if (version > 4)
        ar.serializeStringList(itemSpells);
    ar.serialize(itemType);
    ar.serialize(aliases);
    ar.serialize(identifier);
    ar.serialize(longDescription);
    ar.serialize(shortDescription);
    if (version > 1)
        ar.serialize(description);
    if (version > 3) {
        ar.serialize(weight);
        ar.serialize(value);
        ar.serialize(rent);
    }
    ar.serialize(reservedText);
    ar.serializeStringList(assemblyComponents);
    if (!itemType.empty()) {
        valueRecord = createItemValues(itemType);
        // Version 2 stored nothing for these two types; their records keep the defaults.
        bool storedNothing = version == 2 && (itemType == "Worn" || itemType == "Missile Weapon");
        if (valueRecord && !storedNothing)
            valueRecord->Serialize(ar);
    }
    extraDescriptions.Serialize(ar);
    if (version >= 6)
        ar.serializeStringList(specProcs);
}

void Item::WriteSpecialListing(std::string&, Universe&, const World&) const {}

void Item::WriteAreaText(std::string& out, Universe& universe, const World& world) const
{
    out += '#';
    appendNumber(out, vnum);
    out += '\n';
    out += aliases;
    out += "~\n";
    out += shortDescription;
    out += "~\n";
    out += longDescription;
    out += "~\n~\n"; // the action description is always empty

    std::string line = typeNumberText(itemType);
    if (line.empty()) {
        universe.addWarning("Item", identifier, "No Item Type Assigned");
        line = "0";
    }
    FlagEncoder& encoder = universe.encoder();
    encoder.reset();
    encoder.addNames(extraFlags, universe.itemExtraFlags, FlagMode::Set);
    // The word carries the classes that may NOT use the item.
    encoder.addNames(classRestrictions, universe.classRestrictions, FlagMode::Inverted);
    encoder.addNames(wearFlags, universe.wearFlags, FlagMode::Set);
    encoder.output(line);
    out += line;
    out += '\n';

    if (valueRecord)
        out += valueRecord->WriteValueLine(universe, world, identifier);
    else
        out += "0 0 0 0 0\n";
    appendNumber(out, weight);
    out += ' ';
    appendNumber(out, value);
    out += ' ';
    appendNumber(out, rent);
    out += '\n';

    if (description.empty()) {
        universe.addWarning("Item", identifier, "No Description");
    } else {
        out += "E\n";
        out += aliases;
        out += "~\n";
        appendNormalizedText(out, description);
        out += "\n~\n";
    }
    extraDescriptions.WriteAreaText(out);

    // The server takes only so many abilities and spells; the rest stay in the document.
    for (std::size_t i = 0; i < abilityNames.size(); ++i) {
        if (static_cast<int64_t>(i) >= universe.maxAbilities)
            break;
        int32_t modifier = i < abilityModifiers.size() ? abilityModifiers[i] : 0;
        out += "A\n";
        out += universe.applyNumberText(abilityNames[i]);
        out += ' ';
        appendNumber(out, modifier);
        out += '\n';
    }
    for (std::size_t i = 0; i < itemSpells.size(); ++i) {
        if (static_cast<int64_t>(i) >= universe.maxItemSpells)
            break;
        out += "M\n";
        out += universe.spellNumberText(itemSpells[i]);
        out += '\n';
    }
    if (!specProcs.empty()) {
        out += "<SPECIAL>\n";
        for (const auto& entry : specProcs) {
            out += entry;
            out += '\n';
        }
        out += "</SPECIAL>\n";
    }
}

Item::FlagDecoders::FlagDecoders(const Universe& universe)
    : extraFlags(universe.itemExtraFlags, kFlagWords)
    , classRestrictions(universe.classRestrictions, kFlagWords)
    , wearFlags(universe.wearFlags, kFlagWords)
{
}

std::string Item::ReadAreaText(LineReader& in, const Universe& universe, const std::string& header,
                               Questions& questions)
{
    return ReadAreaText(in, universe, FlagDecoders(universe), header, questions);
}

std::string Item::ReadAreaText(LineReader& in, const Universe& universe, const FlagDecoders& decoders,
                               const std::string& header, Questions& questions)
{
    std::size_t pos = 1;
    int32_t number = 0;
    if (!header.empty() && scanInt(header, pos, number))
        vnum = number;

    std::string line;
    if (!in.readLine(line))
        return {};
    aliases = removeTildes(line);

    if (!in.readLine(line))
        return {};
    shortDescription = removeTildes(line);
    identifier = importedIdentifier(vnum, shortDescription);

    // The long description and the action description are each a text ended by the first line
    // that ends with "~" (a lone "~" adds nothing). A non-empty action description, which only
    // foreign files have, is joined into the long description.
    std::string longText;
    std::string actionText;
    if (!readTildeText(in, longText) || !readTildeText(in, actionText))
        return {};
    if (!actionText.empty())
        longText += "\n" + actionText;
    eraseTildes(longText);
    longDescription = std::move(longText);

    if (!in.readLine(line))
        return {};
    {
        std::size_t p = 0;
        int32_t typeNumber = 0;
        std::array<std::string, kFlagWords> words;
        int converted = 0;
        if (scanInt(line, p, typeNumber)) {
            ++converted;
            for (auto& word : words) {
                if (!scanWord(line, p, word))
                    break;
                ++converted;
            }
        }
        if (converted < 3
            && !askContinue(questions, "Missing Item Type/Flag values for %d on this line: %s Continue?", vnum, line))
            return {};
        itemType = typeNameForNumber(typeNumber);

        // Only the flags the file sets are worn, "Takeable" included.
        wearFlags.clear();
        decoders.extraFlags.decode(words, extraFlags, FlagMode::Set);
        decoders.classRestrictions.decode(words, classRestrictions, FlagMode::Inverted);
        decoders.wearFlags.decode(words, wearFlags, FlagMode::Set);
    }

    valueRecord = createItemValues(itemType);
    if (!in.readLine(line))
        return {};
    if (valueRecord && !valueRecord->ReadValueLine(universe, line)
        && !askContinue(questions, "Missing Special values for %d on this line: %s Continue?", vnum, line))
        return {};

    if (!in.readLine(line))
        return {};
    {
        std::array<int32_t, 3> numbers{weight, value, rent};
        int converted = scanInts(line, numbers.data(), 3);
        weight = numbers[0];
        value = numbers[1];
        rent = numbers[2];
        if (converted != 3
            && !askContinue(questions, "Missing Weight/Value/Rent values for %d on this line: %s Continue?", vnum,
                            line))
            return {};
    }

    std::string ending;
    for (;;) {
        if (!in.readLine(line))
            break; // the optional part may end with the data
        trimRightInPlace(line);
        if (line == "E") {
            if (!extraDescriptions.ReadAreaText(in))
                return {};
        } else if (line == "A") {
            if (!in.readLine(line))
                return {};
            std::array<int32_t, 2> numbers{0, 0};
            if (scanInts(line, numbers.data(), 2) != 2
                && !askContinue(questions, "Missing attribute values for %d on this line: %s Continue?", vnum, line))
                return {};
            abilityNames.push_back(universe.applyName(numbers[0]));
            abilityModifiers.push_back(numbers[1]);
        } else if (line == "M") {
            if (!in.readLine(line))
                return {};
            std::array<int32_t, 1> numbers{0};
            scanInts(line, numbers.data(), 1);
            itemSpells.push_back(universe.spellName(numbers[0]));
        } else if (line == "<SPECIAL>") {
            // Entries are kept exactly as read, blanks included.
            while (in.readLine(line) && line != "</SPECIAL>")
                specProcs.push_back(line);
        } else {
            ending = line;
            break;
        }
    }

    // The item's own description was written as the first "E" block named by its aliases.
    auto& keywords = extraDescriptions.keywordList;
    for (std::size_t i = 0; i < keywords.size(); ++i) {
        if (keywords[i].compare(0, aliases.size(), aliases) == 0 && keywords[i].size() >= aliases.size()) {
            description = std::move(extraDescriptions.descriptionList[i]);
            keywords.erase(keywords.begin() + static_cast<std::ptrdiff_t>(i));
            extraDescriptions.descriptionList.erase(extraDescriptions.descriptionList.begin()
                                                    + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    return ending;
}

void Item::RenameItemRef(const std::string& oldName, const std::string& newName)
{
    if (valueRecord)
        valueRecord->RenameItemRef(oldName, newName);
    for (auto& component : assemblyComponents)
        if (component == oldName)
            component = newName;
    if (identifier == oldName)
        identifier = newName;
}

void Item::RenameMobRef(const std::string& oldName, const std::string& newName)
{
    if (valueRecord)
        valueRecord->RenameMobRef(oldName, newName);
}

void Item::RenameRoomRef(const std::string& oldName, const std::string& newName)
{
    if (valueRecord)
        valueRecord->RenameRoomRef(oldName, newName);
}

bool Item::operator==(const Item& other) const
{
    bool sameValues = valueRecord ? (other.valueRecord && *valueRecord == *other.valueRecord) : !other.valueRecord;
    return sameValues && vnum == other.vnum && abilityModifiers == other.abilityModifiers
           && abilityNames == other.abilityNames && classRestrictions == other.classRestrictions
           && extraFlags == other.extraFlags && specProcs == other.specProcs && itemSpells == other.itemSpells
           && wearFlags == other.wearFlags && aliases == other.aliases && description == other.description
           && identifier == other.identifier && longDescription == other.longDescription
           && shortDescription == other.shortDescription && itemType == other.itemType && rent == other.rent
           && value == other.value && weight == other.weight && reservedText == other.reservedText
           && assemblyComponents == other.assemblyComponents && extraDescriptions == other.extraDescriptions;
}

} // namespace tarnholt
