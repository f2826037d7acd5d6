#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarnholt {

class Archive;
class Universe;
class World;

/// The numbers an item's type gives meaning to: the base of the per-type value records.
/// Each record knows its stored fields (in archive order), its value line of the object file
/// and how to read that line back.
class ItemValues {
public:
    virtual ~ItemValues() = default;

    /// Version 1, then the fields in the record's archive order.
    virtual void Serialize(Archive& ar);
    /// A new record of the same class with equal fields.
    virtual std::unique_ptr<ItemValues> Clone() const = 0;
    /// Not used by any command; writes nothing.
    virtual void WriteSpecialListing(std::string& out, Universe& universe, const World& world,
                                     const std::string& itemIdentifier) const;
    /// The type's value line of the object file, ending with "\n". May add warnings.
    virtual std::string WriteValueLine(Universe& universe, const World& world,
                                       const std::string& itemIdentifier) const = 0;
    /// Parses a value line of an object file into the fields; false when numbers are missing.
    virtual bool ReadValueLine(const Universe& universe, const std::string& line) = 0;

    // Each replaces a reference field equal to `oldName` (exactly) by `newName`; most records hold none.
    virtual void RenameItemRef(const std::string& oldName, const std::string& newName);
    virtual void RenameMobRef(const std::string& oldName, const std::string& newName);
    virtual void RenameRoomRef(const std::string& oldName, const std::string& newName);

    /// The item type name this record serves ("Armor", "Drink Container"...).
    virtual std::string_view typeName() const = 0;

    /// Same class and equal fields.
    bool operator==(const ItemValues& other) const;

    /// A stored field, by reference.
    using FieldRef = std::variant<int32_t*, std::string*, std::vector<std::string>*>;

protected:
    ItemValues() = default;
    ItemValues(const ItemValues&) = default;
    ItemValues& operator=(const ItemValues&) = default;

    /// The stored fields in archive order.
    virtual std::vector<FieldRef> fields() = 0;
};

/// Supplies Clone and typeName for a concrete record class `Derived` built on `Base`.
template <class Derived, class Base = ItemValues>
class ItemValuesOf : public Base {
public:
    std::unique_ptr<ItemValues> Clone() const override
    {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
    std::string_view typeName() const override { return Derived::kTypeName; }
};

/// Armor: armor class (a magnitude; written negative when cursed).
class ArmorValues final : public ItemValuesOf<ArmorValues> {
public:
    static constexpr const char* kTypeName = "Armor";
    int32_t armorClass = 0;
    int32_t cursed = 0;
    int32_t minLevel = 0;

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// Container: lock state, key and capacity.
class ContainerValues final : public ItemValuesOf<ContainerValues> {
public:
    static constexpr const char* kTypeName = "Container";
    int32_t locked = 0;
    std::string key; // Identifier of the key item; "" = no key
    int32_t closed = 0;
    int32_t closeable = 0;
    int32_t minLevel = 0;
    int32_t noKey = 0; // the editor's "No Key Exists"; never written to the object file
    int32_t pickproof = 0;
    int32_t maxWeight = 0;

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;
    void RenameItemRef(const std::string& oldName, const std::string& newName) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// What a device does when used. The object file carries the index plus one.
enum class DeviceAction : int32_t {
    MoveEveryone = 0,
    MoveUser = 1,
    KillAllInRoom = 2,
    KillUser = 3,
    UnlockDoor = 4,
    OpenDoor = 5,
    LoadItem = 6,
    PurgeItem = 7,
    LoadMob = 8,
    PurgeMob = 9,
    RoomEcho = 10,
    ZoneEcho = 11,
    MoveGroupIfLeaderUses = 12,
    SpellEffect = 13,
};

/// Which reference of a device an action uses (the device page enables that field).
enum class DeviceTarget { Nothing, Room, Direction, Item, Mob, Spell };

struct DeviceActionInfo {
    const char* name;
    DeviceTarget target;
};

/// The 14 device actions, by index.
const std::array<DeviceActionInfo, 14>& deviceActions();
/// The action name of an index, "" outside 0..13.
std::string deviceActionName(int32_t index);
/// The index of an action name (exact), -1 when none.
int32_t deviceActionIndex(std::string_view name);

/// Devices number directions their own way (Up before Down, unlike exits).
const std::array<const char*, 10>& deviceDirectionNames();
/// The device number of a direction name (exact), -1 when none.
int32_t deviceDirectionNumber(std::string_view name);
/// The direction name of a device number, "" outside 0..9.
std::string deviceDirectionName(int32_t number);

/// Device: an action with its target, and the boolean (lever) behaviour.
class DeviceValues final : public ItemValuesOf<DeviceValues> {
public:
    static constexpr const char* kTypeName = "Device";
    int32_t startValue = 0; // 0 = False, 1 = True
    std::string item;
    std::string mob;
    std::string room;
    int32_t spellDuration = 0;
    int32_t spellLevel = 0;
    std::string spell;
    int32_t action = 0; // DeviceAction index
    int32_t booleanAction = 0;
    int32_t booleanToggle = 0;
    std::string direction; // a device direction name

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;
    void RenameItemRef(const std::string& oldName, const std::string& newName) override;
    void RenameMobRef(const std::string& oldName, const std::string& newName) override;
    void RenameRoomRef(const std::string& oldName, const std::string& newName) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// Drink container: liquid and drink units.
class DrinkValues final : public ItemValuesOf<DrinkValues> {
public:
    static constexpr const char* kTypeName = "Drink Container";
    std::string liquid; // a Universe liquid name
    int32_t maxDrinkUnits = 0;
    int32_t minLevel = 0;
    int32_t drinkUnitsLeft = 0;
    int32_t poisoned = 0;

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// Fireweapon: damage dice and rounds.
class FireweaponValues final : public ItemValuesOf<FireweaponValues> {
public:
    static constexpr const char* kTypeName = "Fireweapon";
    int32_t damageDiceCount = 0;
    int32_t damageDiceSize = 0;
    int32_t roundsLeft = 0;
    int32_t totalRounds = 0;

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// Food: hours of fullness.
class FoodValues final : public ItemValuesOf<FoodValues> {
public:
    static constexpr const char* kTypeName = "Food";
    int32_t hoursOfFullness = 0;
    int32_t poisoned = 0;

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// Fountain: drink units.
class FountainValues final : public ItemValuesOf<FountainValues> {
public:
    static constexpr const char* kTypeName = "Fountain";
    int32_t maxDrinkUnits = 0;
    int32_t drinkUnitsLeft = 0;

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// Key: the key number.
class KeyValues final : public ItemValuesOf<KeyValues> {
public:
    static constexpr const char* kTypeName = "Key";
    int32_t keyNumber = 0;

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// Light: how long it shines.
class LightValues final : public ItemValuesOf<LightValues> {
public:
    static constexpr const char* kTypeName = "Light";
    enum Duration : int32_t { Eternal = 0, NoLight = 1, Hours = 2 };
    int32_t duration = 0;
    int32_t minLevel = 0;
    int32_t lightHours = 0;

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// Missile weapon: damage dice.
class MissileValues final : public ItemValuesOf<MissileValues> {
public:
    static constexpr const char* kTypeName = "Missile Weapon";
    int32_t damageDiceCount = 0;
    int32_t damageDiceSize = 0;

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// Money: a number of coins.
class MoneyValues final : public ItemValuesOf<MoneyValues> {
public:
    static constexpr const char* kTypeName = "Money";
    int32_t coins = 0;

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// Potion: up to three spells.
class PotionValues final : public ItemValuesOf<PotionValues> {
public:
    static constexpr const char* kTypeName = "Potion";
    std::vector<std::string> spells; // spell names
    int32_t spellLevel = 0;
    int32_t minLevel = 0; // kept, but never written to the object file

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// Scroll: three spell slots.
class ScrollValues final : public ItemValuesOf<ScrollValues> {
public:
    static constexpr const char* kTypeName = "Scroll";
    int32_t minLevel = 0;
    int32_t spellLevel = 0;
    std::string spellOne; // spell names, "" = none
    std::string spellTwo;
    std::string spellThree;

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// The layout shared by staffs and wands: charges of one spell.
class ChargedValues : public ItemValues {
public:
    int32_t chargesLeft = 0;
    int32_t maxCharges = 0;
    int32_t minLevel = 0;
    std::string spell;
    int32_t spellLevel = 0;

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

class StaffValues final : public ItemValuesOf<StaffValues, ChargedValues> {
public:
    static constexpr const char* kTypeName = "Staff";
};

class WandValues final : public ItemValuesOf<WandValues, ChargedValues> {
public:
    static constexpr const char* kTypeName = "Wand";
};

/// Weapon: damage dice and damage type.
class WeaponValues final : public ItemValuesOf<WeaponValues> {
public:
    static constexpr const char* kTypeName = "Weapon";
    int32_t damageDiceCount = 0;
    int32_t damageDiceSize = 0;
    int32_t minLevel = 0;
    std::string weaponType; // a Universe damage-type name

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

/// The layout of the types that carry only a minimum level.
class LevelOnlyValues : public ItemValues {
public:
    int32_t minLevel = 0;

    std::string WriteValueLine(Universe& universe, const World& world,
                               const std::string& itemIdentifier) const override;
    bool ReadValueLine(const Universe& universe, const std::string& line) override;

protected:
    std::vector<FieldRef> fields() override;
};

class OtherValues final : public ItemValuesOf<OtherValues, LevelOnlyValues> {
public:
    static constexpr const char* kTypeName = "Other";
};

class TrashValues final : public ItemValuesOf<TrashValues, LevelOnlyValues> {
public:
    static constexpr const char* kTypeName = "Trash";
};

class TreasureValues final : public ItemValuesOf<TreasureValues, LevelOnlyValues> {
public:
    static constexpr const char* kTypeName = "Treasure";
};

class WornValues final : public ItemValuesOf<WornValues, LevelOnlyValues> {
public:
    static constexpr const char* kTypeName = "Worn";
};

} // namespace tarnholt
