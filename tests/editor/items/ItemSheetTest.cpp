// The item editor driven as a builder uses it: the value page that follows the item type, each page's
// fields and rules, copying from another item or a template, and the edit handed back to the World.

#include <QTest>

#include "app/CFieldCheck.h"
#include "editor/rooms/FormDriver.h"
#include "items/ItemEdit.h"

using namespace tarnholt;
using namespace tarnholt::testing;

namespace {

/// "a|b|c" as a list of texts, empty ones kept.
QStringList words(const char* texts) { return qt(texts).split(QLatin1Char('|')); }

const QStringList kFixedTabs =
    words("Description|Type/Effect|Abilities|Classes|Flags|Wear|Assemble|SpecProc|Extra Descriptions");

template <class Values> const Values& valuesOf(const Item& item)
{
    return dynamic_cast<const Values&>(*item.valueRecord);
}

std::vector<std::string> strings(const char* texts)
{
    std::vector<std::string> list;
    for (const QString& word : qt(texts).split(QLatin1Char(','), Qt::SkipEmptyParts))
        list.push_back(word.toStdString());
    return list;
}

} // namespace

class ItemSheetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CItemSheet> onTab(const Item& item, const QString& tab)
    {
        auto sheet = f_->item(item);
        clickTab(*sheet, tab);
        return sheet;
    }

    std::unique_ptr<Editors> f_;

private slots:
    void init() { f_ = std::make_unique<Editors>(); }

    void typesWithoutValuePage()
    {
        for (const char* type : {"Treasure", "Trash", "Note", "Boat", "Airship", ""}) {
            auto sheet = f_->item(typedItem("thing", type));
            QCOMPARE(tabTitles(*sheet), kFixedTabs);
        }
        // Type names are matched ignoring case.
        QCOMPARE(tabTitles(*f_->item(typedItem("thing", "drink container"))).last(), qt("Drink Container"));
    }

    void everyPageShowsItsTexts_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QStringList>("texts");

        const Universe universe;
        auto row = [](const char* type, const char* tab, const QStringList& texts) {
            QTest::newRow(tab) << qt(type) << qt(tab) << texts;
        };
        row("Weapon", "Description",
            words("Item Identifier:|Name/Alias List:|Short Description:|Long Description (as seen lying on the "
                  "ground):|Description:|Copy Item|Use Template|Format-60|Format-80"));
        row("Weapon", "Type/Effect", words("Item Type:|Weight:|Value:|Rent/Day:|Spell Effect:|Spell Effect:|Spell Effect:"));
        row("Weapon", "Abilities",
            words("Ability One:|Ability Two:|Ability Three:|Ability Four:|Abiliy Five:|Ability Six:|Ability List:|"
                  "Modifier on Ability:"));
        row("Weapon", "Classes",
            words("The following classes can use this item:|Select All|Unselect All") << namesOf(universe.classRestrictions));
        row("Weapon", "Flags", namesOf(universe.itemExtraFlags));
        row("Weapon", "Wear", words("The item is wearable at the following locations:") << namesOf(universe.wearFlags));
        row("Weapon", "Assemble", words("Required Components to make this item:|Add Component:|Add|Remove"));
        row("Weapon", "SpecProc",
            words("Special Procs this item will execute (device procs only proc_device type can execute):|Add Special "
                  "Proc:|Probability:|Special Number:|Terminate if proc successful:|No|Yes|Add|Remove|Update"));
        row("Armor", "Armor", words("Armor Class:|Regular|Cursed|Minimum Level:"));
        row("Container", "Container",
            words("Maximum weight the item can hold:|Closeable|Pickproof|Closed|Locked|No Key Exists|Key Object:|"
                  "Minimum Level:"));
        row("Device", "Device",
            words("Device Type:|Room Name:|Item Name:|Mob Name:|Spell Name:|Direction:|Spell Duration (in hours):|"
                  "Spell Level:|Boolean Toggle|Boolean Action|Boolean Starts:|False|True"));
        row("Drink Container", "Drink Container",
            words("Maximum Drink Units:|Current Drink Units:|Starting Liquid in Container:|Starting drink in container "
                  "is poisonous|Minimum Level:"));
        row("Fireweapon", "Fire Weapon",
            words("Damage Done:|d|Rounds Left:|Total Rounds:|Maximum Damage Done:|Average Damage Done:"));
        row("Food", "Food", words("Number Hours of Fullness:|Food is poisoned"));
        row("Fountain", "Fountain", words("Maximum Drink Units:|Drink Units Left:"));
        row("Key", "Key", words("Key Number:|This key will currently unlock the listed items/doors:"));
        row("Light", "Light", words("Duration|Eternal|No Light|Hours|Number of Hours:|Minimum Level:"));
        row("Missile Weapon", "Missile", words("Damage Done:|d|Maximum Damage Done:|Average Damage Done:"));
        row("Money", "Money", words("Number of Coins:"));
        row("Other", "Other", words("Minimum Level:"));
        row("Potion", "Potion", words("Potion Spell Level:|Spell One:|Spell Two:|Spell Three:|Minimum Level:"));
        row("Scroll", "Scroll", words("Scroll Spell Level:|Spell One:|Spell Two:|Spell Three:|Miniumum Level:"));
        row("Staff", "Staff", words("Spell Level:|Max charges:|Charges Left:|Spell:|Minimum Level:"));
        row("Wand", "Wand", words("Spell Level:|Max charges:|Charges Left:|Spell:|Minimum Level:"));
        row("Weapon", "Weapon",
            words("Damage dealt per turn:|d|Weapon Type:|Minimum Level:|Min/Max Damage Done:|Average Damage Done:"));
        row("Worn", "Worn", words("Minimum Level:"));
    }

    void everyPageShowsItsTexts()
    {
        QFETCH(QString, type);
        QFETCH(QString, tab);
        QFETCH(QStringList, texts);
        const Item item = typedItem("thing", type.toStdString());
        auto sheet = f_->item(item);
        QCOMPARE(currentTab(*sheet), qt("Description"));
        QCOMPARE(tabTitles(*sheet).mid(0, kFixedTabs.size()), kFixedTabs);
        QCOMPARE(tabTitles(*sheet).size(), kFixedTabs.size() + 1); // and the type's value page
        checkPageTexts(*sheet, tab, texts);
        click(sheet.get(), "OK");
        QCOMPARE(sheet->item(), item); // looking changes nothing
    }

    void typeChangeDiscardsTheOldValues()
    {
        auto sheet = onTab(f_->world.items[1], qt("Weapon")); // the sword, 2d4, level 5, Slash
        type(sheet->activePage(), "diceCount", "3");
        clickTab(*sheet, "Type/Effect");
        auto* typeList = findNamed<QComboBox>(sheet->activePage(), "itemType");
        QVERIFY(choose(typeList, qt("Weapon"))); // the type already shown keeps its values
        QCOMPARE(valuesOf<WeaponValues>(sheet->item()).damageDiceCount, 3);

        QVERIFY(choose(typeList, qt("Armor")));
        QCOMPARE(tabTitles(*sheet).last(), qt("Armor"));
        QVERIFY(choose(typeList, qt("Note")));
        QVERIFY(sheet->item().valueRecord == nullptr);
        QVERIFY(choose(typeList, qt("Weapon")));
        click(sheet.get(), "OK");
        Item expected = f_->world.items[1]; // the rest of the item is untouched
        expected.valueRecord = std::make_unique<WeaponValues>();
        QCOMPARE(sheet->item(), expected);
    }

    void numberFieldsRefuseWhatIsNotANumber()
    {
        struct Row {
            const char *type, *tab, *field, *bad, *good;
        };
        for (const Row& row : {Row{"Weapon", "Type/Effect", "weight", "12kg", "12"},
                               Row{"Weapon", "Type/Effect", "rent", "", "-3"},
                               Row{"Weapon", "Abilities", "modifier2", "+-1", "+4"},
                               Row{"Armor", "Armor", "armorClass", "ten", " 10 "},
                               Row{"Money", "Money", "coins", "4294967296", "2147483647"}}) {
            Item item = typedItem("thing", row.type);
            item.abilityNames = {"Strength", "Mana"}; // a modifier is kept only with its ability
            item.abilityModifiers = {1, 1};
            auto sheet = onTab(item, qt(row.tab));
            auto* edit = findNamed<QLineEdit>(sheet->activePage(), row.field);
            type(edit, qt(row.bad));
            for (const bool byTab : {true, false}) {
                f_->questions.messages.clear();
                if (byTab)
                    clickTab(*sheet, "Description");
                else
                    click(sheet.get(), "OK");
                QVERIFY2(f_->questions.messages == std::vector<std::string>{"Please enter an integer."}, row.field);
                QCOMPARE(currentTab(*sheet), qt(row.tab));
                QCOMPARE(QApplication::focusWidget(), edit);
                QCOMPARE(edit->selectedText(), qt(row.bad));
            }
            type(edit, qt(row.good));
            click(sheet.get(), "OK");
            QCOMPARE(sheet->result(), int(QDialog::Accepted));
            auto again = onTab(sheet->item(), qt(row.tab)); // reopened, it shows the number as stored
            int32_t expected = 0;
            QVERIFY(CFieldCheck::parseInteger(qt(row.good), expected));
            QCOMPARE(findNamed<QLineEdit>(again->activePage(), row.field)->text(), QString::number(expected));
        }
    }

    void abilityAndSpellRowsUpToTheLimit()
    {
        Item item = f_->world.items[1];
        item.abilityNames = strings("Strength,Dexterity,Mana");
        item.abilityModifiers = {2, -1, 5};
        item.itemSpells = {"Armor", "Bless"};
        auto sheet = onTab(item, qt("Abilities"));
        QWidget* page = sheet->activePage();
        for (int row = 1; row <= 3; ++row) { // the default Universe allows two abilities
            auto* name = findNamed<QComboBox>(page, qt("ability") + QString::number(row));
            QCOMPARE(name->isEnabled(), row <= 2);
            QCOMPARE(findNamed<QLineEdit>(page, qt("modifier") + QString::number(row))->isEnabled(), row <= 2);
            QCOMPARE(name->currentText(), qt(item.abilityNames[std::size_t(row) - 1].c_str()));
        }
        QVERIFY(choose(findNamed<QComboBox>(page, "ability2"), qt("Hit Roll")));
        type(page, "modifier2", "3");
        clickTab(*sheet, "Type/Effect"); // and one spell
        QVERIFY(findNamed<QComboBox>(sheet->activePage(), "spellEffect1")->isEnabled());
        QVERIFY(!findNamed<QComboBox>(sheet->activePage(), "spellEffect2")->isEnabled());
        QCOMPARE(findNamed<QComboBox>(sheet->activePage(), "spellEffect2")->currentText(), qt("Bless"));
        click(sheet.get(), "OK");
        // What lies beyond the limit is kept as it was.
        QCOMPARE(sheet->item().abilityNames, strings("Strength,Hit Roll,Mana"));
        QCOMPARE(sheet->item().abilityModifiers, (std::vector<int32_t>{2, 3, 5}));
        QCOMPARE(sheet->item().itemSpells, item.itemSpells);

        f_->universe.maxItemSpells = 3;
        sheet = onTab(item, qt("Type/Effect"));
        QVERIFY(choose(findNamed<QComboBox>(sheet->activePage(), "spellEffect1"), QString()));
        QVERIFY(choose(findNamed<QComboBox>(sheet->activePage(), "spellEffect3"), qt("Blindness")));
        click(sheet.get(), "OK");
        QCOMPARE(sheet->item().itemSpells, strings("Bless,Blindness"));
    }

    void abilityRowsCloseUpGaps()
    {
        f_->universe.maxAbilities = 6;
        Item item = f_->world.items[1];
        item.abilityNames = strings("Strength,Dexterity,Mana,Moves,Wisdom,Charisma,Hit Roll");
        item.abilityModifiers = {1, 2, 3, 4, 5, 6, 7};
        auto sheet = onTab(item, qt("Abilities"));
        QVERIFY(choose(findNamed<QComboBox>(sheet->activePage(), "ability2"), QString())); // its modifier goes too
        type(sheet->activePage(), "modifier4", "0"); // a name with modifier 0 stays
        clickTab(*sheet, "Classes");
        QCOMPARE(sheet->item().abilityNames, strings("Strength,Mana,Moves,Wisdom,Charisma"));
        QCOMPARE(sheet->item().abilityModifiers, (std::vector<int32_t>{1, 3, 0, 5, 6}));
    }

    void checkBoxPages()
    {
        Item item = f_->world.items[1];
        item.classRestrictions = {"Mage", "Druid"}; // "Druid" is not in the table
        item.wearFlags = {"Takeable", "Wield"};
        auto sheet = onTab(item, qt("Classes"));
        click(sheet->activePage(), "Select All");
        clickTab(*sheet, "Flags");
        QCOMPARE(sheet->item().classRestrictions,
                 strings("Ranger,Bard,Mage,Cleric,Thief,Warrior,Paladin,Anti-Paladin,Ninja,Vorsai,Sohei,Druid"));
        tick(sheet->activePage(), "No Drop", true);
        tick(sheet->activePage(), "Glowing", true);
        clickTab(*sheet, "Wear");
        QCOMPARE(sheet->item().extraFlags, strings("Glowing,No Drop")); // box order
        QVERIFY(findButton(sheet->activePage(), qt("Wield"))->isChecked());
        tick(sheet->activePage(), "Takeable", false);
        tick(sheet->activePage(), "Shield", true);
        clickTab(*sheet, "Classes");
        click(sheet->activePage(), "Unselect All");
        click(sheet.get(), "OK");
        QCOMPARE(sheet->item().wearFlags, strings("Shield,Wield"));
        QCOMPARE(sheet->item().classRestrictions, strings("Druid"));
    }

    void assemblyComponents()
    {
        f_->world.items.push_back(makeItem<OtherValues>("Rag", "Other"));
        Item item = f_->world.items[1];
        item.assemblyComponents = {"chest"};
        auto sheet = onTab(item, qt("Assemble"));
        QWidget* page = sheet->activePage();
        auto* component = findNamed<QComboBox>(page, "component");
        QCOMPARE(entries(component), words("|brass key|sword|chest|box|rag|iron key|Rag"));
        click(page, "Add"); // nothing chosen: nothing happens
        for (const char* name : {"rag", "brass key", "rag", "Rag"}) {
            QVERIFY(choose(component, qt(name)));
            click(page, "Add");
        }
        QCOMPARE(f_->questions.messages,
                 std::vector<std::string>(2, "The item selected is already in the list of components."));
        selectRow(findNamed<QListWidget>(page, "components"), 0);
        click(page, "Remove");
        click(page, "Remove"); // the selection went with the entry
        click(sheet.get(), "OK");
        QCOMPARE(sheet->item().assemblyComponents, strings("rag,brass key"));
    }

    void containerKeyAndNoKeyExists()
    {
        auto sheet = onTab(f_->world.items[2], qt("Container")); // the chest, locked by the brass key
        auto* key = findNamed<QComboBox>(sheet->activePage(), "key");
        QCOMPARE(entries(key), words("|brass key|iron key")); // keys only
        QCOMPARE(key->currentText(), qt("brass key"));
        tick(sheet->activePage(), "No Key Exists", true);
        QVERIFY(!key->isEnabled());
        tick(sheet->activePage(), "Locked", true);
        click(sheet.get(), "OK");
        const auto& chest = valuesOf<ContainerValues>(sheet->item());
        QVERIFY(chest.key == "brass key" && chest.noKey == 1 && chest.locked == 1);

        auto again = onTab(sheet->item(), qt("Container"));
        QVERIFY(!findNamed<QComboBox>(again->activePage(), "key")->isEnabled()); // disabled when opened so
        tick(again->activePage(), "No Key Exists", false);
        QVERIFY(findNamed<QComboBox>(again->activePage(), "key")->isEnabled());
    }

    void keyPageListsDoorsAndContainers()
    {
        // A key being renamed still lists what it unlocks under the Identifier the zone knows.
        auto sheet = f_->item(f_->world.items[0]); // the brass key
        type(sheet->activePage(), "identifier", "gold key");
        clickTab(*sheet, "Key");
        QCOMPARE(listEntries(findNamed<QListWidget>(sheet->activePage(), "unlocks")),
                 words("Room: 'temple' Exit: 0|Room: 'temple' Exit: 5|Room: 'hall' Exit: 3|Container: 'chest'"));

        // A key made from a blank template had no Identifier: it does not unlock every door without a key.
        auto fresh = f_->item(makeItem<KeyValues>("", "Key"), true);
        type(fresh->activePage(), "identifier", "Skeleton Key");
        clickTab(*fresh, "Key");
        QVERIFY(listEntries(findNamed<QListWidget>(fresh->activePage(), "unlocks")).isEmpty());
    }

    void deviceFieldsFollowTheAction()
    {
        const char* const enabledBy[] = {"room", "room", "", "", "direction", "direction", "item", "item", "mob",
                                         "mob", "", "", "room", "spell spellDuration spellLevel"};
        for (int action = 0; action < 14; ++action) {
            auto sheet = onTab(makeItem<DeviceValues>("lever", "Device"), qt("Device"));
            auto* actions = findNamed<QComboBox>(sheet->activePage(), "deviceType");
            QCOMPARE(actions->count(), 14);
            QVERIFY(choose(actions, actions->itemText(action)));
            const QStringList enabled = qt(enabledBy[action]).split(QLatin1Char(' '));
            for (int visit = 0; visit < 2; ++visit) { // the page opens again with the same enabling
                for (const char* field : {"room", "item", "mob", "direction", "spell", "spellDuration", "spellLevel"})
                    QVERIFY2(findNamed<QWidget>(sheet->activePage(), field)->isEnabled() == enabled.contains(qt(field)),
                             qPrintable(actions->itemText(action) + QLatin1Char(' ') + qt(field)));
                clickTab(*sheet, "Description");
                clickTab(*sheet, "Device");
            }
            click(sheet.get(), "OK");
            QCOMPARE(valuesOf<DeviceValues>(sheet->item()).action, action);
        }
        auto sheet = onTab(makeItem<DeviceValues>("lever", "Device"), qt("Device"));
        QCOMPARE(entries(findNamed<QComboBox>(sheet->activePage(), "deviceType")),
                 words("Move Everyone|Move User|Kill All in Room|Kill User|Unlock Door|Open Door|Load Item|Purge Item|"
                       "Load Mob|Purge Mob|Room Echo|Zone Echo|Move Group if Leader Uses|Spell Effect"));
    }

    void deviceListsSelectTheExactName()
    {
        Item device = makeItem<DeviceValues>("lever", "Device");
        auto& values = static_cast<DeviceValues&>(*device.valueRecord);
        values.action = static_cast<int32_t>(DeviceAction::LoadMob);
        values.mob = "guard"; // "guardian" comes first in the World and also begins with it
        values.direction = "Up";
        auto sheet = onTab(device, qt("Device"));
        QWidget* page = sheet->activePage();
        QCOMPARE(findNamed<QComboBox>(page, "mob")->currentText(), qt("guard"));
        QCOMPARE(entries(findNamed<QComboBox>(page, "direction")),
                 words("|North|East|South|West|Down|Up|Northwest|Northeast|Southeast|Southwest"));
        QCOMPARE(findNamed<QComboBox>(page, "direction")->currentText(), qt("Up"));
        tick(page, "Boolean Action", true);
        click(page, "True");
        click(sheet.get(), "OK");
        values.booleanAction = values.startValue = 1;
        QVERIFY(valuesOf<DeviceValues>(sheet->item()) == values);
    }

    void damageFigures()
    {
        struct Row {
            const char *type, *tab, *count, *size, *firstName, *first, *average;
        };
        // Weapon: min/max N and N x S, average N x (S + 1) / 2, or 0 without sides. Fire weapon: maximum
        // N x S, average half of it. Missile: maximum N x S, average N x (S + 1) / 2, without wrapping.
        for (const Row& row : {Row{"Weapon", "Weapon", "2", "4", "minMaxDamage", "2.0/8.0", "5.0"},
                               Row{"Weapon", "Weapon", "3", "0", "minMaxDamage", "3.0/0.0", "0.0"},
                               Row{"Fireweapon", "Fire Weapon", "3", "5", "maximumDamage", "15.0", "7.5"},
                               Row{"Missile Weapon", "Missile", "100000", "100000", "maximumDamage", "10000000000.0",
                                   "5000050000.0"}}) {
            auto sheet = onTab(typedItem("arms", row.type), qt(row.tab));
            QWidget* page = sheet->activePage();
            auto* averageFigure = findNamed<QLabel>(page, "averageDamage");
            QCOMPARE(averageFigure->text(), qt("0.0")); // 0d0 when the page opens
            type(page, "diceCount", row.count);
            type(page, "diceSize", row.size);
            for (int pass = 0; pass < 2; ++pass) {
                QCOMPARE(findNamed<QLabel>(page, row.firstName)->text(), qt(row.first));
                QCOMPARE(averageFigure->text(), qt(row.average));
                type(page, "diceSize", ""); // while a field is empty the figures stay as they were
            }
        }
    }

    void valuePagesStoreTheirFields()
    {
        auto edit = [this](const char* type, const std::function<void(QWidget*)>& act) {
            auto sheet = onTab(typedItem("thing", type), qt(type));
            act(sheet->activePage());
            click(sheet.get(), "OK");
            return sheet->item();
        };
        const Item light = edit("Light", [](QWidget* page) {
            click(page, "Hours");
            type(page, "lightHours", "12");
        });
        QCOMPARE(valuesOf<LightValues>(light).duration, 2);
        QCOMPARE(valuesOf<LightValues>(light).lightHours, 12);
        // A potion keeps the spells that are chosen, in field order; a scroll keeps its three slots.
        const Item potion = edit("Potion", [](QWidget* page) {
            QVERIFY(choose(findNamed<QComboBox>(page, "spellTwo"), qt("Bless")));
            QVERIFY(choose(findNamed<QComboBox>(page, "spellThree"), qt("Armor")));
        });
        QCOMPARE(valuesOf<PotionValues>(potion).spells, strings("Bless,Armor"));
        const Item scroll = edit("Scroll", [](QWidget* page) {
            QVERIFY(choose(findNamed<QComboBox>(page, "spellTwo"), qt("Bless")));
        });
        QCOMPARE(valuesOf<ScrollValues>(scroll).spellOne, std::string());
        QCOMPARE(valuesOf<ScrollValues>(scroll).spellTwo, std::string("Bless"));
    }

    void copyItemKeepsTheTypedIdentifier()
    {
        auto sheet = f_->item(makeItem<LightValues>("", "Light", -1));
        QWidget* page = sheet->activePage();
        type(page, "identifier", "dagger");
        PickListSeen seen = pickThrough(page, "Copy Item", qt("sword"));
        QVERIFY(seen.asks(qt("Select an item to copy from"), qt("Select one of the following items to copy from:")));
        QCOMPARE(seen.offered, words("box|brass key|chest|iron key|rag|sword"));
        QCOMPARE(findNamed<QLineEdit>(page, "identifier")->text(), qt("dagger"));
        clickTab(*sheet, "Weapon"); // the value page follows the copied type
        click(sheet.get(), "OK");
        Item expected = f_->world.items[1];
        expected.identifier = "dagger";
        expected.vnum = -1; // its own number, not the sword's: one vnum would be written for two items
        QCOMPARE(sheet->item(), expected);
    }

    void useTemplateKeepsVnumAndIdentifier()
    {
        Item lantern = makeItem<LightValues>("", "Light");
        lantern.shortDescription = "a brass lantern";
        static_cast<LightValues&>(*lantern.valueRecord).lightHours = 24;
        QVERIFY(f_->templates.items().add(lantern, "Lantern", f_->questions));

        auto sheet = f_->item(f_->world.items[1]); // the sword, vnum 3012
        type(sheet->activePage(), "identifier", "torch");
        PickListSeen seen = pickThrough(sheet->activePage(), "Use Template", qt("Lantern"));
        QVERIFY(seen.asks(qt("Select an item template to use"), qt("Select one of the following item templates to use:")));
        QCOMPARE(tabTitles(*sheet).last(), qt("Light"));
        click(sheet.get(), "OK");
        Item expected = lantern;
        expected.vnum = 3012;
        expected.identifier = "torch";
        QCOMPARE(sheet->item(), expected);
    }

    void applyItemEditRenamesReferences()
    {
        // Which references follow a rename is the World's; here: the edit renames, and only a real rename.
        World& world = f_->world;
        Item renamed = world.items[0];
        renamed.identifier = "gold key";
        QVERIFY(applyItemEdit(world, 0, renamed));
        QCOMPARE(world.items[0].identifier, std::string("gold key"));
        QCOMPARE(valuesOf<ContainerValues>(world.items[2]).key, std::string("gold key"));
        QCOMPARE(world.rooms[0].exits[0].key, std::string("gold key"));

        // An item without an Identifier that gets one takes no empty reference of the zone with it.
        world.items.push_back(Item());
        Item named;
        named.identifier = "pebble";
        QVERIFY(applyItemEdit(world, world.items.size() - 1, named));
        QCOMPARE(world.rooms[2].exits[0].key, std::string());
        QVERIFY(!applyItemEdit(world, world.items.size(), named));
    }
};

QTEST_MAIN(ItemSheetTest)
#include "ItemSheetTest.moc"
