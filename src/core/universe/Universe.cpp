#include "universe/Universe.h"

#include <charconv>
#include <cstddef>
#include <iterator>
#include <utility>

#include "generate/Generator.h"

namespace tarnholt {

namespace {

// A table row as it is written below: the name and the code (a letter or a decimal number).
struct Row {
    const char* name;
    const char* code;
};

struct SpellRow {
    const char* name;
    int32_t number;
    const char* usage;
};

constexpr Row kItemExtraFlags[] = {
    {"Glowing", "A"},    {"Humming", "B"},      {"Invisible", "F"},  {"Magical", "G"},  {"No Drop", "H"},
    {"Blessed", "I"},    {"Good Only", "N"},    {"Neutral Only", "M"}, {"Evil Only", "E"}, {"No Good", "J"},
    {"No Neutral", "L"}, {"No Evil", "K"},      {"No Mortal", "O"},  {"Limited", "Y"},  {"No Purge", "Z"},
    {"No Rent", "a"},    {"No Donate", "c"},    {"Quest Only", "D"},
};

constexpr Row kClassRestrictions[] = {
    {"Ranger", "d"},  {"Bard", "e"},         {"Mage", "P"},  {"Cleric", "Q"}, {"Thief", "R"},  {"Warrior", "S"},
    {"Paladin", "T"}, {"Anti-Paladin", "U"}, {"Ninja", "V"}, {"Vorsai", "W"}, {"Sohei", "X"},
};

constexpr Row kWearFlags[] = {
    {"Takeable", "A"}, {"On Finger", "B"}, {"On Neck", "C"},    {"On Body", "D"},  {"On Head", "E"},
    {"On Legs", "F"},  {"On Feet", "G"},   {"On Hands", "H"},   {"On Arms", "I"},  {"Shield", "J"},
    {"About Body", "K"}, {"Waist", "L"},   {"On Wrist", "M"},   {"Wield", "N"},    {"Holdable", "O"},
};

constexpr Row kApplyTypes[] = {
    {"Strength", "1"},           {"Dexterity", "2"},        {"Intelligence", "3"},     {"Wisdom", "4"},
    {"Constitution", "5"},       {"Character Weight", "10"}, {"Character Height", "11"}, {"Mana", "12"},
    {"Hit Points", "13"},        {"Moves", "14"},           {"Armor Class", "17"},     {"Hit Roll", "18"},
    {"Damage Roll", "19"},       {"Save vs. Paralysis", "20"}, {"Save vs. Rod", "21"}, {"Save vs. Petrify", "22"},
    {"Save vs. Breath", "23"},   {"Save vs. Spell", "24"},  {"Charisma", "26"},        {"Hit Point Regen", "27"},
    {"Mana Regen", "28"},        {"Move Regen", "29"},
};

constexpr Row kEquipPositions[] = {
    {"Light", "0"},         {"Finger, Right", "1"}, {"Finger, Left", "2"}, {"Neck, One", "3"},
    {"Neck, Two", "4"},     {"Body", "5"},          {"Head", "6"},         {"Legs", "7"},
    {"Feet", "8"},          {"Hands", "9"},         {"Arms", "10"},        {"Shield", "11"},
    {"About Body", "12"},   {"Waist", "13"},        {"Wrist, Right", "14"}, {"Wrist, Left", "15"},
    {"Wielded", "16"},      {"Holdable", "17"},
};

constexpr Row kDamageTypes[] = {
    {"Bite", "1"},   {"Whip", "2"},    {"Slash", "3"},   {"Sting", "4"},   {"Spray", "5"},  {"Crush", "6"},
    {"Pound", "7"},  {"Gore", "8"},    {"Chop", "9"},    {"Blast", "10"},  {"Pierce", "11"}, {"Club", "12"},
    {"Hammer", "13"}, {"Smite", "14"}, {"Smash", "15"},  {"Stab", "16"},
};

constexpr Row kLiquids[] = {
    {"Water", "0"},    {"Beer", "1"},     {"Wine", "2"},          {"Ale", "3"},
    {"Dark Ale", "4"}, {"Whisky", "5"},   {"Lemonade", "6"},      {"Firebreather", "7"},
    {"Local Special", "8"}, {"Slime", "9"}, {"Milk", "10"},       {"Tea", "11"},
    {"Coffee", "12"},  {"Blood", "13"},   {"Saltwater", "14"},    {"Coke", "15"},
};

constexpr Row kRoomFlags[] = {
    {"Dark", "A"},      {"Death Trap", "B"}, {"No Mob", "C"},   {"Indoors", "D"},   {"No Shadowstorm", "E"},
    {"No Magic", "H"},  {"Private", "J"},    {"Peaceful", "K"}, {"God Room", "L"},  {"No Crime", "M"},
    {"Campsite", "N"},  {"Soundproof", "O"}, {"Overwhelming Evil", "T"}, {"Overwhelming Good", "U"},
    {"No Sleep", "V"},
};

constexpr Row kTerrains[] = {
    {"Inside", "0"}, {"City", "1"},      {"Field", "2"},             {"Forest", "3"},
    {"Hills", "4"},  {"Mountains", "5"}, {"Water, Swimmable", "6"},  {"Water, Not Swimmable", "7"},
    {"Fly", "8"},
};

constexpr Row kMobActionFlags[] = {
    {"Sentinel", "B"},  {"Scavenger", "C"},     {"Nice Thief", "E"}, {"Aggressive", "F"},
    {"Stay in Zone", "G"}, {"Wimpy", "H"},      {"No Summon", "I"},  {"Memory", "L"},
    {"No Suggestion", "N"}, {"No Purge", "O"},  {"No Charm", "U"},   {"Fido", "V"},
    {"Janitor", "W"},   {"City Guard", "X"},    {"Quick Heal", "Y"}, {"No Calm", "Z"},
};

constexpr Row kMobAffectFlags[] = {
    {"Invisible", "B"}, {"See Invisible", "D"}, {"Sanctuary", "H"},
    {"Infravision", "O"}, {"Sneaking", "S"},    {"Hidden", "T"},
};

constexpr const char* kItemSpecProcs[] = {
    "DEVICE_SEND_TO_NEW_LOCATION", "DEVICE_KILL",       "DEVICE_LOAD_OBJECT", "DEVICE_PURGE_OBJECT",
    "DEVICE_LOAD_MOB",             "DEVICE_PURGE_MOB",  "DEVICE_ECHO",        "DEVICE_CAST_SPELL",
    "DEVICE_UNLOCK_DOOR",          "DEVICE_TOGGLE_DOOR", "DEVICE_ADJUST_ALIGN", "DEVICE_DO_DAMAGE",
    "ITEM_PERCT_DAMAGE",           "ITEM_MODIFY_DAMAGE",
};

constexpr const char* kRoomSpecProcs[] = {
    "ROOM_STICKY",      "ROOM_HEAL_ALL",      "ROOM_HEAL_GOOD",        "ROOM_HEAL_NEUTRAL", "ROOM_HEAL_EVIL",
    "ROOM_RESTORE_ALL", "ROOM_RESTORE_GOOD",  "ROOM_RESTORE_NEUTRAL",  "ROOM_RESTORE_EVIL", "ROOM_STOP_SPELL",
};

// The mob procedures that stand alone; the resistance families follow them.
constexpr const char* kMobSingleProcs[] = {
    "CASTLE_GUARD",      "CLEANING",          "DISTANCE_DAM",        "GEN_BLOCK_D",        "GEN_BLOCK_E",
    "GEN_BLOCK_N",       "GEN_BLOCK_NE",      "GEN_BLOCK_NW",        "GEN_BLOCK_S",        "GEN_BLOCK_SE",
    "GEN_BLOCK_SW",      "GEN_BLOCK_U",       "GEN_BLOCK_W",         "HELL_NYMPH",         "MOB_AREA_ATTACK",
    "MOB_CLERIC",        "MOB_CRYO",          "MOB_DEFENDER",        "MOB_DEMON",          "MOB_ENERGY_DRAIN",
    "HEALER",            "MOB_MAGE",          "MOB_NINJA",           "MOB_SNAKE",          "MOB_THIEF",
    "MOB_USE_HELD",      "VAMPIRE",           "MOB_WARRIOR",         "WRAITH",             "ARMY",
    "PURGE_PET",         "UNAFFECTS",         "SHADOW_NYMPH",        "REANIMATE",          "MASTER_PROC",
    "SLAVE_PROC",        "HATE_BARD",         "HATE_CLERIC",         "HATE_MAGE",          "HATE_WEAKLING",
    "NO_FLEE",           "ENTROPY_RANDOM",    "ENTROPY_TANK",        "DEFENDER_AREA_ATTACK", "THROW_TANK",
    "THROW_RANDOM",      "PZAR_MAXIMUS",      "EATS_OBJECT",         "COWARD",             "ASSIST_MOB",
    "ASSIST_PLAYER",     "PLAGUE",            "GATE_IN_MOB",         "EATS_OBJECT_IN_INV", "CAST_HEAL_ON_GROUP",
    "NEW_DISTANCE_DAMAGE", "LOAD_ITEM_ON_DEATH", "LOAD_MOB_ON_DEATH", "EXPLODE_ON_DEATH",  "DRAIN_MANA_ON_DEATH",
    "GAIN_EXP_ON_DEATH",
};

constexpr const char* kMobProcFamilies[] = {"RESIST_", "REDUCE_", "HEAL_FROM_", "REFLECT_", "REFLECT_MANA_", "CAP_"};

constexpr const char* kMobProcDamageKinds[] = {
    "PHYSICAL", "FIRE", "COLD",   "ELECTRIC",    "EARTH",         "MAGIC",
    "DIVINE",   "NUKE", "COMBAT_PROC", "COMBAT_NORMAL", "PSIONIC", "BACKSTAB",
};

constexpr SpellRow kSpells[] = {
    {"Aerial Servant", 1, "C"},        {"Aid", 2, "DI"},                   {"Animate Dead", 3, "W"},
    {"Armor", 4, "CDIPW"},             {"Banishment", 5, "W"},             {"Bless", 6, "CDIPW"},
    {"Blindness", 7, "CDIPSW"},        {"Burning Hands", 8, ""},           {"Call Lightning", 9, "CPS"},
    {"Calm", 10, "DS"},                {"Cause Critic", 11, "CDPW"},       {"Cause Light", 12, "CDPW"},
    {"Cause Serious", 13, "CDPW"},     {"Charm Person", 14, "CS"},         {"Chill Touch", 15, ""},
    {"Clone", 16, "CDPW"},             {"Color Spray", 17, "CDPW"},        {"Conjure Elemental", 18, "CS"},
    {"Control Weather", 19, ""},       {"Create Food", 20, "C"},           {"Create Water", 21, ""},
    {"Cure Blind", 22, "PS"},          {"Cure Critic", 23, "PS"},          {"Cure Light", 24, "PS"},
    {"Cure Serious", 25, "PS"},        {"Curse", 26, "CDIPS"},             {"Death's Door", 27, "W"},
    {"Detect Alignment", 28, "PS"},    {"Detect Magic", 30, "PS"},         {"Detect Poison", 31, "CDIP"},
    {"Disintegrate", 32, "PW"},        {"Dispel Evil", 33, "CPSW"},        {"Dispel Good", 34, "CPSW"},
    {"Earthquake", 35, "CS"},          {"Enchant Armor", 36, "C"},         {"Enchant Weapon", 37, "C"},
    {"Energy Drain", 38, "CPSW"},      {"Fear", 39, ""},                   {"Find Familiar", 40, ""},
    {"Fireball", 41, "CW"},            {"Fireblast", 42, "CW"},            {"Flamestrike", 43, "PW"},
    {"Flaming Sword", 123, "P"},       {"Gate One", 44, "C"},              {"Gate Two", 45, "C"},
    {"Group Heal", 46, "C"},           {"Group Infravision", 47, "C"},     {"Group Invisibility", 48, "C"},
    {"Harm", 49, "PS"},                {"Haste", 50, "PS"},                {"Heal", 51, "PS"},
    {"Hold", 52, "PSW"},               {"Ice Storm", 53, "S"},             {"Identify", 129, "C"},
    {"Infravision", 54, "CIW"},        {"Invisibility", 55, "CDIPSW"},     {"Lightning Bolt", 56, "CW"},
    {"Locate Object", 57, ""},         {"Magic Missile", 58, "CW"},        {"Magical Vestment", 59, "PW"},
    {"Meteorswarm", 60, "S"},          {"Monster Summon One", 61, "C"},    {"Monster Summon Two", 62, "C"},
    {"Monster Summon Three", 63, "C"}, {"Petrification", 64, "PW"},        {"Poison", 65, "PW"},
    {"Polymorph One", 66, ""},         {"Polymorph Two", 67, ""},          {"Polymorph Three", 68, ""},
    {"Polymorph Other", 69, ""},       {"Protection from Evil", 70, "CDIPSW"}, {"Protection from Good", 71, "CDIPSW"},
    {"Reanimate", 72, "W"},            {"Regeneration", 73, "I"},          {"Rejuvenate", 74, "DPSW"},
    {"Remove Curse", 75, "CPS"},       {"Remove Paralysis", 76, "SW"},     {"Remove Poison", 77, "PS"},
    {"Restore", 78, "P"},              {"Resurrect", 79, ""},              {"Sanctuary", 80, "CPS"},
    {"Sense Life", 81, "IPS"},         {"Shocking Grasp", 82, ""},         {"Slay", 83, "PW"},
    {"Sleep", 84, "CPSW"},             {"Spiritial Hammer", 85, "C"},      {"Stone Skin", 86, "IPS"},
    {"Strength", 87, "CPS"},           {"Summon", 88, ""},                 {"Teleport", 89, "CDPSW"},
    {"Ventriloquate", 90, ""},         {"Waterbreathing", 91, "IP"},       {"Water Walk", 92, "IP"},
    {"Web", 93, "PW"},                 {"Word of Death", 94, ""},          {"Word of Recall", 95, "CDPSW"},
};

template <std::size_t N>
void appendRows(std::vector<FlagEntry>& table, const Row (&rows)[N], int32_t field)
{
    for (const Row& row : rows)
        table.push_back(FlagEntry{row.name, row.code, -1, field});
}

template <std::size_t N>
std::vector<FlagEntry> tableOf(const Row (&rows)[N], int32_t field)
{
    std::vector<FlagEntry> table;
    table.reserve(N);
    appendRows(table, rows, field);
    return table;
}

template <std::size_t N>
std::vector<std::string> namesOf(const char* const (&names)[N])
{
    return std::vector<std::string>(std::begin(names), std::end(names));
}

// Reads `text` as a whole decimal number; false when it is anything else.
bool parseDecimal(const std::string& text, int& value)
{
    const char* first = text.data();
    const char* last = first + text.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && ptr == last && first != last;
}

} // namespace

SpellEntry::SpellEntry(std::string spellName, int32_t spellNumber, const std::string& usageLetters)
    : name(std::move(spellName))
    , number(spellNumber)
    , usageC(usageLetters.find('C') != std::string::npos)
    , usageD(usageLetters.find('D') != std::string::npos)
    , usageI(usageLetters.find('I') != std::string::npos)
    , usageP(usageLetters.find('P') != std::string::npos)
    , usageS(usageLetters.find('S') != std::string::npos)
    , usageW(usageLetters.find('W') != std::string::npos)
{
}

Universe::Universe()
{
    fillDefaults();
}

void Universe::fillDefaults()
{
    itemSpecProcs = namesOf(kItemSpecProcs);
    maxAbilities = 2;
    maxItemSpells = 1;

    mobSpecProcs = namesOf(kMobSingleProcs);
    for (const char* family : kMobProcFamilies)
        for (const char* kind : kMobProcDamageKinds)
            mobSpecProcs.push_back(std::string(family) + kind);

    roomSpecProcs = namesOf(kRoomSpecProcs);
    terrains = tableOf(kTerrains, 1);
    roomFlags = tableOf(kRoomFlags, 0);
    specialProcFlag = FlagEntry{"Special Proc Flag", "A", -1, 0};
    extraOneHitFlag = FlagEntry{"Extra One-Hit Flag", "J", -1, 0};
    extraTwoHitFlag = FlagEntry{"Extra Two-Hit Flag", "K", -1, 0};

    mobFlags = tableOf(kMobActionFlags, 0);
    appendRows(mobFlags, kMobAffectFlags, 1);

    wearFlags = tableOf(kWearFlags, 1);
    classRestrictions = tableOf(kClassRestrictions, 0);
    itemExtraFlags = tableOf(kItemExtraFlags, 0);
    applyTypes = tableOf(kApplyTypes, 0);
    damageTypes = tableOf(kDamageTypes, 0);
    liquids = tableOf(kLiquids, 0);

    spells.clear();
    spells.reserve(std::size(kSpells));
    for (const SpellRow& row : kSpells)
        spells.emplace_back(row.name, row.number, row.usage);

    equipPositions = tableOf(kEquipPositions, 0);
}

std::string Universe::codeOf(const std::vector<FlagEntry>& table, std::string_view name)
{
    for (const FlagEntry& entry : table)
        if (entry.name == name)
            return entry.code;
    return "0";
}

std::string Universe::nameOfNumber(const std::vector<FlagEntry>& table, int number)
{
    for (const FlagEntry& entry : table) {
        int code = 0;
        if (parseDecimal(entry.code, code) && code == number)
            return entry.name;
    }
    return {};
}

std::string Universe::spellNumberText(std::string_view name) const
{
    for (const SpellEntry& spell : spells)
        if (spell.name == name)
            return std::to_string(spell.number);
    return "0";
}

std::string Universe::spellName(int number) const
{
    for (const SpellEntry& spell : spells)
        if (spell.number == number)
            return spell.name;
    return {};
}

FlagEncoder& Universe::encoder()
{
    return generator ? generator->encoder() : scratchEncoder_;
}

void Universe::addWarning(const std::string& type, const std::string& identifier, const std::string& text)
{
    if (generator)
        generator->addWarning(type, identifier, text);
}

} // namespace tarnholt
