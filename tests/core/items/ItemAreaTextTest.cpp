#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/Questions.h"
#include "generate/AreaText.h"
#include "generate/Generator.h"
#include "items/Item.h"
#include "items/ItemValues.h"
#include "universe/Universe.h"
#include "world/World.h"

namespace tarnholt {
namespace {

using Names = std::vector<std::string>;

Item lantern()
{
    Item item;
    item.vnum = 3020, item.identifier = "Lantern", item.aliases = "lantern brass";
    item.shortDescription = "a brass lantern", item.longDescription = "A brass lantern lies here.";
    item.itemType = "Light", item.extraFlags = {"Glowing", "Magical"}, item.wearFlags = {"Takeable", "Holdable"};
    auto light = std::make_unique<LightValues>();
    light->duration = LightValues::Hours, light->lightHours = 24, light->minLevel = 5;
    item.valueRecord = std::move(light);
    item.weight = 3, item.value = 40, item.rent = 10;
    item.description = "It shines.\r\nBrightly.\r\n";
    item.extraDescriptions.set("handle", "A wooden handle.");
    item.abilityNames = {"Strength", "Hit Roll", "Mana"}, item.abilityModifiers = {2, -1, 5};
    item.itemSpells = {"Identify", "Bless"}, item.specProcs = {"ITEM_PERCT_DAMAGE 50 1 3"};
    return item;
}

// The block `item` writes, and the warnings it raises.
std::string written(const Item& item, std::vector<Warning>& warnings)
{
    Universe universe;
    World world;
    Generator generator(universe, world);
    std::string out;
    item.WriteAreaText(out, universe, world);
    warnings = generator.warnings();
    return out;
}

// Reads one block that starts with its header line.
std::string readBlock(Item& item, const std::string& text, Questions& questions)
{
    Universe universe;
    LineReader in(text);
    std::string header;
    in.readLine(header);
    return item.ReadAreaText(in, universe, header, questions);
}

TEST(ItemWrite, LanternBlockByTheLine)
{
    std::vector<Warning> warnings;
    EXPECT_EQ(written(lantern(), warnings),
              "#3020\nlantern brass~\na brass lantern~\nA brass lantern lies here.~\n~\n"
              "1 AGdePQRSTUVWX AO\n" // extra flags, every class (none may use it), wear codes
              "0 0 24 0 5\n3 40 10\n"
              "E\nlantern brass~\nIt shines.\nBrightly.\n~\nE\nhandle~\nA wooden handle.\n~\n"
              "A\n1 2\nA\n18 -1\n" // the third ability stays in the document only
              "M\n129\n"          // and so does the second spell
              "<SPECIAL>\nITEM_PERCT_DAMAGE 50 1 3\n</SPECIAL>\n");
    EXPECT_TRUE(warnings.empty());
}

TEST(ItemWrite, NoTypeAndNoDescriptionWarnInOrderAndReadBack)
{
    Item blob;
    blob.identifier = "Blob";
    blob.classRestrictions = {"Mage", "Cleric"};
    std::vector<Warning> warnings;
    const std::string out = written(blob, warnings);
    EXPECT_EQ(out, "#0\n~\n~\n~\n~\n0 deRSTUVWX A\n0 0 0 0 0\n0 0 0\n");
    EXPECT_EQ(warnings, (std::vector<Warning>{{"Item", "Blob", "No Item Type Assigned"},
                                              {"Item", "Blob", "No Description"}}));

    ScriptedQuestions questions;
    Item read;
    EXPECT_EQ(readBlock(read, out, questions), "");
    EXPECT_EQ(read.valueRecord, nullptr);
    EXPECT_EQ(read.classRestrictions, (Names{"Mage", "Cleric"}));
    EXPECT_TRUE(questions.questions.empty());
}

TEST(ItemRead, AFullBlockWithCrLf)
{
    const std::string text = "#3001\r\nsword long~\r\na long sword~\r\nA long sword lies here.   \r\nIt gleams.~\r\n~\r\n"
                             "5 AGd NO\r\n0 2 6 3 4\r\n12 300 30\r\n"
                             "E\r\nhilt~\r\nA leather hilt.\r\n~\r\nE\r\nsword long~\r\nThe blade is long.\r\n~\r\n"
                             "A\r\n18 2\r\nA\r\n99 1\r\nM\r\n51\r\n"
                             "<SPECIAL>\r\n  ITEM_MODIFY_DAMAGE 10 0 1  \r\n</SPECIAL>\r\n#3002\r\n";
    ScriptedQuestions questions(false);
    Item item;
    EXPECT_EQ(readBlock(item, text, questions), "#3002");
    EXPECT_TRUE(questions.questions.empty());
    EXPECT_EQ(std::to_string(item.vnum) + "|" + item.identifier, "3001|#3001 a long sword");
    EXPECT_EQ(item.aliases, "sword long");
    EXPECT_EQ(item.longDescription, "A long sword lies here.\nIt gleams.");
    EXPECT_EQ(item.itemType, "Weapon");
    EXPECT_EQ(item.extraFlags, (Names{"Glowing", "Magical"}));
    // The word lists the classes that may not use the item (the Ranger's d): all others may.
    EXPECT_EQ(item.classRestrictions, (Names{"Bard", "Mage", "Cleric", "Thief", "Warrior", "Paladin",
                                             "Anti-Paladin", "Ninja", "Vorsai", "Sohei"}));
    EXPECT_EQ(item.wearFlags, (Names{"Wield", "Holdable"}));
    auto* weapon = dynamic_cast<WeaponValues*>(item.valueRecord.get());
    ASSERT_NE(weapon, nullptr);
    EXPECT_EQ(weapon->weaponType, "Slash");
    EXPECT_EQ((std::vector<int32_t>{item.weight, item.value, item.rent}), (std::vector<int32_t>{12, 300, 30}));
    EXPECT_EQ(item.description, "The blade is long.");
    EXPECT_EQ(item.extraDescriptions.keywordList, Names{"hilt"});
    EXPECT_EQ(item.abilityNames, (Names{"Hit Roll", ""}));
    EXPECT_EQ(item.abilityModifiers, (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(item.itemSpells, Names{"Heal"});
    EXPECT_EQ(item.specProcs, Names{"  ITEM_MODIFY_DAMAGE 10 0 1  "});
}

// The long and the action description each end with a line ending in "~"; the action
// description, when there is one, is joined into the long description.
TEST(ItemRead, LongAndActionDescriptions)
{
    struct Row {
        std::string texts;
        std::string longDescription;
    };
    const Row rows[] = {
        {"A dagger is here.~\npierce~\n", "A dagger is here.\npierce"},
        {"~\n~\n", ""},
        {"Long.~\nline a\nline b\n~\n", "Long.\nline a\nline b"},
        {"First\n\nthird~\n~\n", "First\n\nthird"},
        {"Tilde~~ \n~\n", "Tilde"},
    };
    for (const Row& row : rows) {
        ScriptedQuestions questions(false);
        Item item;
        EXPECT_EQ(readBlock(item, "#9\ndagger~\na dagger~\n" + row.texts + "5 0 A\n0 1 4 11 0\n1 10 3\n#10\n",
                            questions),
                  "#10")
            << row.texts;
        EXPECT_EQ(item.longDescription, row.longDescription);
        EXPECT_EQ(item.itemType, "Weapon");
        EXPECT_TRUE(questions.questions.empty());
    }
}

TEST(ItemRead, DescriptionComesFromTheFirstEntryStartingWithTheAliases)
{
    const std::string blocks = "E\nhilt~\nA hilt.\n~\nE\nsword long~\nFirst.\n~\nE\nsword~\nSecond.\n~\n";
    const std::string head = "#5\nsword~\na sword~\nA sword.~\n~\n5 0 N\n0 1 4 3 0\n1 1 1\n";
    ScriptedQuestions questions;
    Item item;
    EXPECT_EQ(readBlock(item, head + blocks + "#6\n", questions), "#6");
    EXPECT_EQ(item.description, "First.");
    EXPECT_EQ(item.extraDescriptions.keywordList, (Names{"hilt", "sword"}));
    EXPECT_EQ(item.extraDescriptions.descriptionList, (Names{"A hilt.", "Second."}));

    // Empty aliases match the first entry; letter case counts.
    Item unnamed;
    EXPECT_EQ(readBlock(unnamed, "#5\n~\na sword~\nA sword.~\n~\n5 0 N\n0 1 4 3 0\n1 1 1\n" + blocks, questions), "");
    EXPECT_EQ(unnamed.description, "A hilt.");
    Item shouting;
    readBlock(shouting, "#5\nSWORD~\na sword~\nA sword.~\n~\n5 0 N\n0 1 4 3 0\n1 1 1\n" + blocks, questions);
    EXPECT_EQ(shouting.description, "");
    EXPECT_EQ(shouting.extraDescriptions.keywordList.size(), 3u);
}

TEST(ItemRead, TypeTwentyTwoIsABoatAndWritesBackAs22)
{
    ScriptedQuestions questions;
    Item boat;
    EXPECT_EQ(readBlock(boat, "#40\nboat~\na boat~\nA boat floats here.~\n~\n22 0 A\n0 0 0 0 0\n50 10 1\n", questions),
              "");
    EXPECT_EQ(boat.itemType, "Boat");
    EXPECT_EQ(boat.valueRecord, nullptr);
    // A word without class codes lists every class, so none is written back.
    std::vector<Warning> warnings;
    EXPECT_EQ(written(boat, warnings), "#40\nboat~\na boat~\nA boat floats here.~\n~\n22 0 A\n0 0 0 0 0\n50 10 1\n");
}

// ---- the reader's questions ----

struct QuestionRow {
    const char* name;
    std::string block;           // after the header "#3001"
    bool answer;
    std::string question;        // the one question expected
    std::string ending;          // what the reader returns
    std::function<void(const Item&)> check;
};

class ItemQuestionTest : public ::testing::TestWithParam<QuestionRow> {};

TEST_P(ItemQuestionTest, AsksOnceAndFollowsTheAnswer)
{
    const QuestionRow& row = GetParam();
    ScriptedQuestions questions;
    questions.queueAnswer(row.answer);
    Item item;
    EXPECT_EQ(readBlock(item, "#3001\n" + row.block, questions), row.ending);
    EXPECT_EQ(questions.questions, Names{row.question});
    if (row.check)
        row.check(item);
}

const std::string kNames = "key~\na key~\nA key.~\n~\n";

INSTANTIATE_TEST_SUITE_P(
    Questions, ItemQuestionTest,
    ::testing::Values(
        QuestionRow{"TypeNumberOnlyYes", kNames + "1\n0 0 -1 0 0\n1 2 3\n#3002\n", true,
                    "Missing Item Type/Flag values for 3001 on this line: 1 Continue?", "#3002",
                    [](const Item& item) {
                        EXPECT_EQ(item.itemType, "Light");
                        EXPECT_EQ(item.classRestrictions.size(), 11u); // every class of field 0
                    }},
        QuestionRow{"TypeNumberOnlyNo", kNames + "1\n0 0 -1 0 0\n1 2 3\n", false,
                    "Missing Item Type/Flag values for 3001 on this line: 1 Continue?", "", nullptr},
        QuestionRow{"TwoValuesAreTooFew", kNames + "18 0\n3005 0 0 0 0\n1 2 3\n", true,
                    "Missing Item Type/Flag values for 3001 on this line: 18 0 Continue?", "", nullptr},
        QuestionRow{"ShortValueLineYesKeepsDefaults", kNames + "6 0 A\n5 2 6\n1 2 3\n", true,
                    "Missing Special values for 3001 on this line: 5 2 6 Continue?", "",
                    [](const Item& item) {
                        EXPECT_EQ(dynamic_cast<const FireweaponValues&>(*item.valueRecord).roundsLeft, 0);
                        EXPECT_EQ(item.rent, 3);
                    }},
        QuestionRow{"ShortValueLineNo", kNames + "18 0 A\n3005 0 0 0\n1 2 3\n", false,
                    "Missing Special values for 3001 on this line: 3005 0 0 0 Continue?", "", nullptr},
        QuestionRow{"ShortWeightLineKeepsWhatConverted", kNames + "18 0 A\n3005 0 0 0 0\n12 300\n", true,
                    "Missing Weight/Value/Rent values for 3001 on this line: 12 300 Continue?", "",
                    [](const Item& item) {
                        EXPECT_EQ((std::vector<int32_t>{item.weight, item.value, item.rent}),
                                  (std::vector<int32_t>{12, 300, 0}));
                    }},
        QuestionRow{"ShortAttributeYes", kNames + "18 0 A\n3005 0 0 0 0\n1 2 3\nA\n18\n#3002\n", true,
                    "Missing attribute values for 3001 on this line: 18 Continue?", "#3002",
                    [](const Item& item) {
                        EXPECT_EQ(item.abilityNames, Names{"Hit Roll"});
                        EXPECT_EQ(item.abilityModifiers, std::vector<int32_t>{0});
                    }},
        QuestionRow{"ShortAttributeNo", kNames + "18 0 A\n3005 0 0 0 0\n1 2 3\nA\n18\n#3002\n", false,
                    "Missing attribute values for 3001 on this line: 18 Continue?", "", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ItemRead, TheDataEndingInsideAMandatoryLineOrAnEntryAbandonsTheBlock)
{
    const std::vector<std::string> lines = {"#7",    "cup~",  "a cup~", "A cup.~", "~",         "17 0 A",
                                            "5 5 0 0 0", "1 1 1", "E",   "cup~",    "A small cup."};
    for (std::size_t count = 1; count < lines.size(); ++count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text += lines[i] + "\n";
        ScriptedQuestions questions;
        Item item;
        EXPECT_EQ(readBlock(item, text, questions), "") << count;
        EXPECT_TRUE(questions.questions.empty()) << count;
        if (count == 8) { // the optional part may end with the data
            EXPECT_EQ(item.itemType, "Drink Container");
        }
    }
}

} // namespace
} // namespace tarnholt
