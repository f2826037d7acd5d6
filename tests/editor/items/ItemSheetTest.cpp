// The item editor driven as a builder uses it: its tabs and the value page that follows the item
// type, each page's fields and rules, copying from another item or a template, and handing the
// result back to the World.

#include <QTest>

#include "app/CFieldCheck.h"
#include "editor/rooms/FormDriver.h"
#include "items/ItemEdit.h"

using namespace tarnholt;
using namespace tarnholt::testing;

namespace {

const QStringList kFixedTabs{qt("Description"), qt("Type/Effect"), qt("Abilities"), qt("Classes"), qt("Flags"),
                             qt("Wear"), qt("Assemble"), qt("SpecProc"), qt("Extra Descriptions")};

template <class Values> const Values& valuesOf(const Item& item)
{
    return dynamic_cast<const Values&>(*item.valueRecord);
}

std::vector<std::string> strings(const char* words, char separator = ',')
{
    std::vector<std::string> list;
    for (const QString& word : qt(words).split(QLatin1Char(separator), Qt::SkipEmptyParts))
        list.push_back(word.toStdString());
    return list;
}

} // namespace

class ItemSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init() { f_ = std::make_unique<Editors>(); }

    void valuePageFollowsTheType_data();
    void valuePageFollowsTheType();
    void everyPageShowsItsTexts_data();
    void everyPageShowsItsTexts();
    void typeChangeDiscardsTheOldValues();
    void numberFieldsRefuseWhatIsNotANumber_data();
    void numberFieldsRefuseWhatIsNotANumber();

    void abilityRowsUpToTheLimit();
    void abilityRowsCloseUpGaps();
    void spellEffectsUpToTheLimit();
    void checkBoxPages();
    void assemblyComponents();
    void containerKeyAndNoKeyExists();
    void keyPageListsDoorsAndContainers();
    void deviceFieldsFollowTheAction_data();
    void deviceFieldsFollowTheAction();
    void deviceListsSelectTheExactName();
    void damageFigures_data();
    void damageFigures();
    void valuePagesStoreTheirFields();

    void copyItemKeepsTheTypedIdentifier();
    void useTemplateKeepsVnumAndIdentifier();
    void editItemHandsBackOnOkOnly();
    void applyItemEditRenamesReferences();

private:
    std::unique_ptr<CItemSheet> sword() { return f_->item(f_->world.items[1]); }
    std::unique_ptr<CItemSheet> onTab(const Item& item, const QString& tab)
    {
        auto sheet = f_->item(item);
        clickTab(*sheet, tab);
        return sheet;
    }

    std::unique_ptr<Editors> f_;
};

void ItemSheetTest::valuePageFollowsTheType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("valueTab"); // none for a type without values to edit

    const char* const rows[][2] = {
        {"Light", "Light"}, {"Scroll", "Scroll"}, {"Wand", "Wand"}, {"Staff", "Staff"}, {"Weapon", "Weapon"},
        {"Fireweapon", "Fire Weapon"}, {"Missile Weapon", "Missile"}, {"Treasure", ""}, {"Armor", "Armor"},
        {"Potion", "Potion"}, {"Worn", "Worn"}, {"Other", "Other"}, {"Trash", ""}, {"Container", "Container"},
        {"Note", ""}, {"Drink Container", "Drink Container"}, {"Key", "Key"}, {"Food", "Food"}, {"Money", "Money"},
        {"Boat", ""}, {"Fountain", "Fountain"}, {"Airship", ""}, {"Device", "Device"}, {"", ""},
        {"drink container", "Drink Container"}, // names are matched ignoring case
    };
    for (const auto& row : rows)
        QTest::newRow(row[0][0] ? row[0] : "no type") << qt(row[0]) << qt(row[1]);
}

void ItemSheetTest::valuePageFollowsTheType()
{
    QFETCH(QString, type);
    QFETCH(QString, valueTab);

    const Item item = typedItem("thing", type.toStdString());
    auto sheet = f_->item(item);
    QCOMPARE(tabTitles(*sheet), valueTab.isEmpty() ? kFixedTabs : QStringList(kFixedTabs) << valueTab);
    QCOMPARE(currentTab(*sheet), qt("Description"));
    if (!valueTab.isEmpty())
        clickTab(*sheet, valueTab);
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(sheet->item(), item); // looking changes nothing
}

void ItemSheetTest::everyPageShowsItsTexts_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QStringList>("texts");

    const Universe universe;
    auto row = [](const char* type, const char* tab, const QStringList& texts) {
        QTest::newRow(tab) << qt(type) << qt(tab) << texts;
    };
    const QString minimum = qt("Minimum Level:");
    const QString spell = qt("Spell Effect:");
    row("Weapon", "Description",
        {qt("Item Identifier:"), qt("Name/Alias List:"), qt("Short Description:"),
         qt("Long Description (as seen lying on the ground):"), qt("Description:"), qt("Copy Item"),
         qt("Use Template"), qt("Format-60"), qt("Format-80")});
    row("Weapon", "Type/Effect", {qt("Item Type:"), qt("Weight:"), qt("Value:"), qt("Rent/Day:"), spell, spell, spell});
    row("Weapon", "Abilities",
        {qt("Ability One:"), qt("Ability Two:"), qt("Ability Three:"), qt("Ability Four:"), qt("Abiliy Five:"),
         qt("Ability Six:"), qt("Ability List:"), qt("Modifier on Ability:")});
    row("Weapon", "Classes",
        QStringList{qt("The following classes can use this item:"), qt("Select All"), qt("Unselect All")}
            << namesOf(universe.classRestrictions));
    row("Weapon", "Flags", namesOf(universe.itemExtraFlags));
    row("Weapon", "Wear",
        QStringList{qt("The item is wearable at the following locations:")} << namesOf(universe.wearFlags));
    row("Weapon", "Assemble",
        {qt("Required Components to make this item:"), qt("Add Component:"), qt("Add"), qt("Remove")});
    row("Weapon", "SpecProc",
        {qt("Special Procs this item will execute (device procs only proc_device type can execute):"),
         qt("Add Special Proc:"), qt("Probability:"), qt("Special Number:"), qt("Terminate if proc successful:"),
         qt("No"), qt("Yes"), qt("Add"), qt("Remove"), qt("Update")});
    row("Armor", "Armor", {qt("Armor Class:"), qt("Regular"), qt("Cursed"), minimum});
    row("Container", "Container",
        {qt("Maximum weight the item can hold:"), qt("Closeable"), qt("Pickproof"), qt("Closed"), qt("Locked"),
         qt("No Key Exists"), qt("Key Object:"), minimum});
    row("Device", "Device",
        {qt("Device Type:"), qt("Room Name:"), qt("Item Name:"), qt("Mob Name:"), qt("Spell Name:"),
         qt("Direction:"), qt("Spell Duration (in hours):"), qt("Spell Level:"), qt("Boolean Toggle"),
         qt("Boolean Action"), qt("Boolean Starts:"), qt("False"), qt("True")});
    row("Drink Container", "Drink Container",
        {qt("Maximum Drink Units:"), qt("Current Drink Units:"), qt("Starting Liquid in Container:"),
         qt("Starting drink in container is poisonous"), minimum});
    row("Fireweapon", "Fire Weapon",
        {qt("Damage Done:"), qt("d"), qt("Rounds Left:"), qt("Total Rounds:"), qt("Maximum Damage Done:"),
         qt("Average Damage Done:")});
    row("Food", "Food", {qt("Number Hours of Fullness:"), qt("Food is poisoned")});
    row("Fountain", "Fountain", {qt("Maximum Drink Units:"), qt("Drink Units Left:")});
    row("Key", "Key", {qt("Key Number:"), qt("This key will currently unlock the listed items/doors:")});
    row("Light", "Light",
        {qt("Duration"), qt("Eternal"), qt("No Light"), qt("Hours"), qt("Number of Hours:"), minimum});
    row("Missile Weapon", "Missile",
        {qt("Damage Done:"), qt("d"), qt("Maximum Damage Done:"), qt("Average Damage Done:")});
    row("Money", "Money", {qt("Number of Coins:")});
    row("Other", "Other", {minimum});
    row("Potion", "Potion",
        {qt("Potion Spell Level:"), qt("Spell One:"), qt("Spell Two:"), qt("Spell Three:"), minimum});
    row("Scroll", "Scroll",
        {qt("Scroll Spell Level:"), qt("Spell One:"), qt("Spell Two:"), qt("Spell Three:"), qt("Miniumum Level:")});
    const QStringList charged{qt("Spell Level:"), qt("Max charges:"), qt("Charges Left:"), qt("Spell:"), minimum};
    row("Staff", "Staff", charged);
    row("Wand", "Wand", charged);
    row("Weapon", "Weapon",
        {qt("Damage dealt per turn:"), qt("d"), qt("Weapon Type:"), minimum, qt("Min/Max Damage Done:"),
         qt("Average Damage Done:")});
    row("Worn", "Worn", {minimum});
}

void ItemSheetTest::everyPageShowsItsTexts()
{
    QFETCH(QString, type);
    QFETCH(QString, tab);
    QFETCH(QStringList, texts);
    checkPageTexts(*f_->item(typedItem("thing", type.toStdString())), tab, texts);
}

void ItemSheetTest::typeChangeDiscardsTheOldValues()
{
    auto sheet = onTab(f_->world.items[1], qt("Weapon")); // the sword, 2d4, level 5, Slash
    QCOMPARE(findNamed<QLineEdit>(sheet->activePage(), "diceCount")->text(), qt("2"));
    type(sheet->activePage(), "diceCount", "3");
    clickTab(*sheet, "Type/Effect");
    auto* typeList = findNamed<QComboBox>(sheet->activePage(), "itemType");
    QVERIFY(choose(typeList, qt("Weapon"))); // the type already shown keeps its values
    QCOMPARE(valuesOf<WeaponValues>(sheet->item()).damageDiceCount, 3);

    QVERIFY(choose(typeList, qt("Armor")));
    QCOMPARE(tabTitles(*sheet), QStringList(kFixedTabs) << qt("Armor"));
    QVERIFY(choose(typeList, qt("Treasure")));
    QCOMPARE(tabTitles(*sheet), kFixedTabs);
    QCOMPARE(sheet->item().valueRecord->typeName(), std::string_view("Treasure"));
    QVERIFY(choose(typeList, qt("Note")));
    QVERIFY(sheet->item().valueRecord == nullptr);

    QVERIFY(choose(typeList, qt("Weapon")));
    clickTab(*sheet, "Weapon");
    for (const char* field : {"diceCount", "diceSize", "minLevel"})
        QCOMPARE(findNamed<QLineEdit>(sheet->activePage(), field)->text(), qt("0"));
    QCOMPARE(findNamed<QComboBox>(sheet->activePage(), "weaponType")->currentText(), QString());
    click(sheet.get(), "OK");
    Item expected = f_->world.items[1]; // the rest of the item is untouched
    expected.valueRecord = std::make_unique<WeaponValues>();
    QCOMPARE(sheet->item(), expected);
}

void ItemSheetTest::numberFieldsRefuseWhatIsNotANumber_data()
{
    QTest::addColumn<QString>("itemType");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("good");

    QTest::newRow("weight") << qt("Weapon") << qt("Type/Effect") << qt("weight") << qt("12kg") << qt("12");
    QTest::newRow("rent, empty") << qt("Weapon") << qt("Type/Effect") << qt("rent") << QString() << qt("-3");
    QTest::newRow("modifier") << qt("Weapon") << qt("Abilities") << qt("modifier2") << qt("+-1") << qt("+4");
    QTest::newRow("dice count") << qt("Weapon") << qt("Weapon") << qt("diceCount") << qt("2.5") << qt("2");
    QTest::newRow("armor class") << qt("Armor") << qt("Armor") << qt("armorClass") << qt("ten") << qt(" 10 ");
    QTest::newRow("too large") << qt("Money") << qt("Money") << qt("coins") << qt("4294967296") << qt("2147483647");
    QTest::newRow("fountain units") << qt("Fountain") << qt("Fountain") << qt("drinkUnitsLeft") << qt("1 2")
                                    << qt("12");
}

void ItemSheetTest::numberFieldsRefuseWhatIsNotANumber()
{
    QFETCH(QString, itemType);
    QFETCH(QString, tab);
    QFETCH(QString, field);
    QFETCH(QString, bad);
    QFETCH(QString, good);

    Item item = typedItem("thing", itemType.toStdString());
    item.abilityNames = {"Strength", "Mana"}; // a modifier is kept only with its ability
    item.abilityModifiers = {1, 1};
    auto sheet = onTab(item, tab);
    auto* edit = findNamed<QLineEdit>(sheet->activePage(), field);
    type(edit, bad);
    QCOMPARE(edit->text(), bad); // typed as it is: nothing refuses keys or corrects them
    for (const bool byTab : {true, false}) {
        f_->questions.messages.clear();
        if (byTab)
            clickTab(*sheet, "Description");
        else
            click(sheet.get(), "OK");
        QCOMPARE(f_->questions.messages, std::vector<std::string>{"Please enter an integer."});
        QCOMPARE(currentTab(*sheet), tab);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->selectedText(), bad);
        QVERIFY(sheet->isVisible());
    }
    type(edit, good);
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    auto again = onTab(sheet->item(), tab); // reopened, it shows the number as stored
    int32_t expected = 0;
    QVERIFY(CFieldCheck::parseInteger(good, expected));
    QCOMPARE(findNamed<QLineEdit>(again->activePage(), field)->text(), QString::number(expected));
}

void ItemSheetTest::abilityRowsUpToTheLimit()
{
    Item item = f_->world.items[1];
    item.abilityNames = strings("Strength,Dexterity,Mana");
    item.abilityModifiers = {2, -1, 5};
    auto sheet = onTab(item, qt("Abilities"));
    QWidget* page = sheet->activePage();
    const QStringList shown = qt("Strength,Dexterity,Mana,,,").split(QLatin1Char(','));
    const QStringList modifiers = qt("2,-1,5,0,0,0").split(QLatin1Char(','));
    for (int row = 1; row <= 6; ++row) {
        auto* name = findNamed<QComboBox>(page, qt("ability") + QString::number(row));
        auto* modifier = findNamed<QLineEdit>(page, qt("modifier") + QString::number(row));
        QCOMPARE(name->isEnabled(), row <= 2); // the default Universe allows two
        QCOMPARE(modifier->isEnabled(), row <= 2);
        QCOMPARE(name->currentText(), shown[row - 1]);
        QCOMPARE(modifier->text(), modifiers[row - 1]);
    }
    QCOMPARE(entries(findNamed<QComboBox>(page, "ability1")).mid(0, 2), (QStringList{QString(), qt("Strength")}));
    QVERIFY(choose(findNamed<QComboBox>(page, "ability2"), qt("Hit Roll")));
    type(page, "modifier2", "3");
    click(sheet.get(), "OK");
    // The third ability, beyond the limit, is kept as it was.
    QCOMPARE(sheet->item().abilityNames, strings("Strength,Hit Roll,Mana"));
    QCOMPARE(sheet->item().abilityModifiers, (std::vector<int32_t>{2, 3, 5}));
}

void ItemSheetTest::abilityRowsCloseUpGaps()
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

void ItemSheetTest::spellEffectsUpToTheLimit()
{
    Item item = f_->world.items[1];
    item.itemSpells = {"Armor", "Bless"};
    auto sheet = onTab(item, qt("Type/Effect"));
    QVERIFY(findNamed<QComboBox>(sheet->activePage(), "spellEffect1")->isEnabled()); // the default allows one
    QVERIFY(!findNamed<QComboBox>(sheet->activePage(), "spellEffect2")->isEnabled());
    QVERIFY(!findNamed<QComboBox>(sheet->activePage(), "spellEffect3")->isEnabled());
    QCOMPARE(findNamed<QComboBox>(sheet->activePage(), "spellEffect2")->currentText(), qt("Bless"));
    QCOMPARE(entries(findNamed<QComboBox>(sheet->activePage(), "itemType")).size(), 23);

    f_->universe.maxItemSpells = 3;
    sheet = onTab(item, qt("Type/Effect"));
    QVERIFY(choose(findNamed<QComboBox>(sheet->activePage(), "spellEffect1"), QString()));
    QVERIFY(choose(findNamed<QComboBox>(sheet->activePage(), "spellEffect3"), qt("Blindness")));
    type(sheet->activePage(), "value", "150");
    click(sheet.get(), "OK");
    QCOMPARE(sheet->item().itemSpells, strings("Bless,Blindness"));
    QCOMPARE(sheet->item().value, 150);
}

void ItemSheetTest::checkBoxPages()
{
    Item item = f_->world.items[1];
    item.classRestrictions = {"Mage", "Druid"}; // "Druid" is not in the table
    item.wearFlags = {"Takeable", "Wield"};
    auto sheet = onTab(item, qt("Classes"));
    QVERIFY(findButton(sheet->activePage(), qt("Mage"))->isChecked());
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

void ItemSheetTest::assemblyComponents()
{
    f_->world.items.push_back(makeItem<OtherValues>("Rag", "Other"));
    Item item = f_->world.items[1];
    item.assemblyComponents = {"chest"};
    auto sheet = onTab(item, qt("Assemble"));
    QWidget* page = sheet->activePage();
    auto* list = findNamed<QListWidget>(page, "components");
    auto* component = findNamed<QComboBox>(page, "component");
    QCOMPARE(entries(component), qt(",brass key,sword,chest,box,rag,iron key,Rag").split(QLatin1Char(',')));
    click(page, "Add"); // nothing chosen: nothing happens
    for (const char* name : {"rag", "brass key", "rag", "Rag"}) {
        QVERIFY(choose(component, qt(name)));
        click(page, "Add");
    }
    QCOMPARE(f_->questions.messages,
             std::vector<std::string>(2, "The item selected is already in the list of components."));
    QCOMPARE(listEntries(list), (QStringList{qt("chest"), qt("rag"), qt("brass key")}));
    selectRow(list, 0);
    click(page, "Remove");
    click(page, "Remove"); // the selection went with the entry
    click(sheet.get(), "OK");
    QCOMPARE(sheet->item().assemblyComponents, strings("rag,brass key"));
}

void ItemSheetTest::containerKeyAndNoKeyExists()
{
    auto sheet = onTab(f_->world.items[2], qt("Container")); // the chest, locked by the brass key
    auto* key = findNamed<QComboBox>(sheet->activePage(), "key");
    QCOMPARE(entries(key), (QStringList{QString(), qt("brass key"), qt("iron key")})); // keys only
    QCOMPARE(key->currentText(), qt("brass key"));
    QVERIFY(key->isEnabled());
    tick(sheet->activePage(), "No Key Exists", true);
    QVERIFY(!key->isEnabled());
    tick(sheet->activePage(), "Locked", true);
    click(sheet.get(), "OK");
    const auto& chest = valuesOf<ContainerValues>(sheet->item());
    QCOMPARE(chest.key, std::string("brass key"));
    QCOMPARE(chest.noKey, 1);
    QCOMPARE(chest.locked, 1);

    auto again = onTab(sheet->item(), qt("Container"));
    QVERIFY(!findNamed<QComboBox>(again->activePage(), "key")->isEnabled()); // disabled when opened so
    tick(again->activePage(), "No Key Exists", false);
    QVERIFY(findNamed<QComboBox>(again->activePage(), "key")->isEnabled());
}

void ItemSheetTest::keyPageListsDoorsAndContainers()
{
    // A key being renamed still lists what it unlocks under the Identifier the zone knows.
    auto sheet = f_->item(f_->world.items[0]); // the brass key
    type(sheet->activePage(), "identifier", "gold key");
    clickTab(*sheet, "Key");
    QCOMPARE(listEntries(findNamed<QListWidget>(sheet->activePage(), "unlocks")),
             (QStringList{qt("Room: 'temple' Exit: 0"), qt("Room: 'temple' Exit: 5"), qt("Room: 'hall' Exit: 3"),
                          qt("Container: 'chest'")}));

    // A key made from a blank template had no Identifier: it does not unlock every door without a key.
    auto fresh = f_->item(makeItem<KeyValues>("", "Key"), true);
    type(fresh->activePage(), "identifier", "Skeleton Key");
    clickTab(*fresh, "Key");
    QVERIFY(listEntries(findNamed<QListWidget>(fresh->activePage(), "unlocks")).isEmpty());
}

void ItemSheetTest::deviceFieldsFollowTheAction_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("enabled");

    const char* const rows[][2] = {
        {"Move Everyone", "room"}, {"Move User", "room"}, {"Kill All in Room", ""}, {"Kill User", ""},
        {"Unlock Door", "direction"}, {"Open Door", "direction"}, {"Load Item", "item"}, {"Purge Item", "item"},
        {"Load Mob", "mob"}, {"Purge Mob", "mob"}, {"Room Echo", ""}, {"Zone Echo", ""},
        {"Move Group if Leader Uses", "room"}, {"Spell Effect", "spell spellDuration spellLevel"},
    };
    int index = 0;
    for (const auto& row : rows)
        QTest::newRow(row[0]) << index++ << qt(row[1]);
}

void ItemSheetTest::deviceFieldsFollowTheAction()
{
    QFETCH(int, action);
    QFETCH(QString, enabled);

    auto sheet = onTab(makeItem<DeviceValues>("lever", "Device"), qt("Device"));
    auto* actions = findNamed<QComboBox>(sheet->activePage(), "deviceType");
    QCOMPARE(actions->count(), 14);
    QCOMPARE(actions->itemText(action), qt(QTest::currentDataTag()));
    QVERIFY(choose(actions, actions->itemText(action)));
    for (int visit = 0; visit < 2; ++visit) { // the page opens again with the same enabling
        for (const char* field : {"room", "item", "mob", "direction", "spell", "spellDuration", "spellLevel"}) {
            auto* widget = findNamed<QWidget>(sheet->activePage(), field);
            QVERIFY2(widget->isEnabled() == enabled.split(QLatin1Char(' ')).contains(qt(field)), field);
        }
        clickTab(*sheet, "Description");
        clickTab(*sheet, "Device");
    }
    click(sheet.get(), "OK");
    QCOMPARE(valuesOf<DeviceValues>(sheet->item()).action, action);
}

void ItemSheetTest::deviceListsSelectTheExactName()
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
             qt(",North,East,South,West,Down,Up,Northwest,Northeast,Southeast,Southwest").split(QLatin1Char(',')));
    QCOMPARE(findNamed<QComboBox>(page, "direction")->currentText(), qt("Up"));
    tick(page, "Boolean Action", true);
    click(page, "True");
    click(sheet.get(), "OK");
    values.booleanAction = values.startValue = 1;
    QVERIFY(valuesOf<DeviceValues>(sheet->item()) == values);
}

void ItemSheetTest::damageFigures_data()
{
    QTest::addColumn<QString>("itemType");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("average");

    auto row = [](const char* name, const char* type, const char* tab, const char* count, const char* size,
                  const char* firstName, const char* first, const char* average) {
        QTest::newRow(name) << qt(type) << qt(tab) << qt(count) << qt(size) << qt(firstName) << qt(first)
                            << qt(average);
    };
    // Weapon: min/max N and N x S, average N x (S + 1) / 2, or 0 without sides.
    row("weapon 2d4", "Weapon", "Weapon", "2", "4", "minMaxDamage", "2.0/8.0", "5.0");
    row("weapon 3d0", "Weapon", "Weapon", "3", "0", "minMaxDamage", "3.0/0.0", "0.0");
    row("weapon 1d1", "Weapon", "Weapon", "1", "1", "minMaxDamage", "1.0/1.0", "1.0");
    // Fire weapon: maximum N x S, average half of it.
    row("fireweapon 3d5", "Fireweapon", "Fire Weapon", "3", "5", "maximumDamage", "15.0", "7.5");
    // Missile: maximum N x S, average N x (S + 1) / 2.
    row("missile 2d4", "Missile Weapon", "Missile", "2", "4", "maximumDamage", "8.0", "5.0");
    row("missile large", "Missile Weapon", "Missile", "100000", "100000", "maximumDamage", "10000000000.0",
        "5000050000.0");
}

void ItemSheetTest::damageFigures()
{
    QFETCH(QString, itemType);
    QFETCH(QString, tab);
    QFETCH(QString, count);
    QFETCH(QString, size);
    QFETCH(QString, firstName);
    QFETCH(QString, first);
    QFETCH(QString, average);

    auto sheet = onTab(typedItem("arms", itemType.toStdString()), tab);
    QWidget* page = sheet->activePage();
    auto* firstFigure = findNamed<QLabel>(page, firstName);
    auto* averageFigure = findNamed<QLabel>(page, "averageDamage");
    QCOMPARE(averageFigure->text(), qt("0.0")); // 0d0 when the page opens
    type(findNamed<QLineEdit>(page, "diceCount"), count);
    type(findNamed<QLineEdit>(page, "diceSize"), size);
    QCOMPARE(firstFigure->text(), first);
    QCOMPARE(averageFigure->text(), average);
    type(page, "diceSize", ""); // while a field is empty the figures stay as they were
    QCOMPARE(firstFigure->text(), first);
    QCOMPARE(averageFigure->text(), average);
}

void ItemSheetTest::valuePagesStoreTheirFields()
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
    const Item armor = edit("Armor", [](QWidget* page) {
        type(page, "armorClass", "4");
        click(page, "Cursed");
    });
    QCOMPARE(valuesOf<ArmorValues>(armor).cursed, 1);
    QCOMPARE(valuesOf<ArmorValues>(armor).armorClass, 4);
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
    const Item wand = edit("Wand", [](QWidget* page) {
        type(page, "maxCharges", "5");
        QVERIFY(choose(findNamed<QComboBox>(page, "spell"), qt("Blindness")));
    });
    QCOMPARE(valuesOf<WandValues>(wand).maxCharges, 5);
    QCOMPARE(valuesOf<WandValues>(wand).spell, std::string("Blindness"));
}

void ItemSheetTest::copyItemKeepsTheTypedIdentifier()
{
    auto sheet = f_->item(makeItem<LightValues>("", "Light", -1));
    QWidget* page = sheet->activePage();
    type(page, "identifier", "dagger");
    PickListSeen seen;
    pickFromNext(seen, qt("sword"));
    click(page, "Copy Item");
    QCOMPARE(seen.title, qt("Select an item to copy from"));
    QVERIFY(seen.texts.contains(qt("Select one of the following items to copy from:")));
    QCOMPARE(seen.offered, qt("box,brass key,chest,iron key,rag,sword").split(QLatin1Char(',')));
    QCOMPARE(findNamed<QLineEdit>(page, "identifier")->text(), qt("dagger"));
    QCOMPARE(findNamed<QLineEdit>(page, "aliases")->text(), qt("sword long"));
    // The value page follows the copied type and shows the copied values.
    clickTab(*sheet, "Weapon");
    QCOMPARE(findNamed<QLineEdit>(sheet->activePage(), "diceSize")->text(), qt("4"));
    click(sheet.get(), "OK");
    Item expected = f_->world.items[1];
    expected.identifier = "dagger";
    expected.vnum = -1; // its own number, not the sword's: one vnum would be written for two items
    QCOMPARE(sheet->item(), expected);
}

void ItemSheetTest::useTemplateKeepsVnumAndIdentifier()
{
    Item lantern = makeItem<LightValues>("", "Light");
    lantern.shortDescription = "a brass lantern";
    lantern.wearFlags = {"Takeable", "Holdable"};
    static_cast<LightValues&>(*lantern.valueRecord).lightHours = 24;
    QVERIFY(f_->templates.items().add(lantern, "Lantern", f_->questions));

    auto sheet = sword(); // vnum 3012
    QWidget* page = sheet->activePage();
    type(page, "identifier", "torch");
    PickListSeen seen;
    pickFromNext(seen, qt("Lantern"));
    click(page, "Use Template");
    QCOMPARE(seen.title, qt("Select an item template to use"));
    QVERIFY(seen.texts.contains(qt("Select one of the following item templates to use:")));
    QCOMPARE(findNamed<QLineEdit>(page, "shortDescription")->text(), qt("a brass lantern"));
    QCOMPARE(tabTitles(*sheet).last(), qt("Light"));
    click(sheet.get(), "OK");
    Item expected = lantern;
    expected.vnum = 3012;
    expected.identifier = "torch";
    QCOMPARE(sheet->item(), expected);
}

void ItemSheetTest::editItemHandsBackOnOkOnly()
{
    Editors& f = *f_;
    for (const bool confirm : {false, true}) {
        Item item = f.world.items[1];
        QTimer::singleShot(0, [confirm] {
            auto* sheet = qobject_cast<CItemSheet*>(QApplication::activeModalWidget());
            QVERIFY(sheet != nullptr);
            QCOMPARE(sheet->windowTitle(), qt("Editing an Existing Item - sword"));
            type(sheet->activePage(), "shortDescription", "a notched sword");
            click(sheet, confirm ? "OK" : "Cancel");
        });
        QCOMPARE(editItem(nullptr, f.world, f.universe, f.templates, f.questions, item, false,
                          qt("Editing an Existing Item - sword")),
                 confirm);
        QCOMPARE(item.shortDescription, std::string(confirm ? "a notched sword" : "a long sword"));
    }
}

void ItemSheetTest::applyItemEditRenamesReferences()
{
    World& world = f_->world;
    world.items[1].assemblyComponents = {"brass key", "Brass key"};
    Item renamed = world.items[0];
    renamed.identifier = "gold key";
    QVERIFY(applyItemEdit(world, 0, renamed));
    QCOMPARE(world.items[0].identifier, std::string("gold key"));
    QCOMPARE(valuesOf<ContainerValues>(world.items[2]).key, std::string("gold key"));
    QCOMPARE(world.items[1].assemblyComponents, strings("gold key,Brass key"));
    QCOMPARE(world.rooms[0].exits[0].key, std::string("gold key"));
    QCOMPARE(world.rooms[1].exits[3].key, std::string("gold key"));

    // An item without an Identifier that gets one takes no empty reference of the zone with it.
    world.items.push_back(Item());
    Item named;
    named.identifier = "pebble";
    QVERIFY(applyItemEdit(world, world.items.size() - 1, named));
    QCOMPARE(world.rooms[2].exits[0].key, std::string());
    QVERIFY(!applyItemEdit(world, world.items.size(), named));
}

QTEST_MAIN(ItemSheetTest)
#include "ItemSheetTest.moc"
