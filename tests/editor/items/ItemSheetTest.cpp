// The item editor as a whole, driven as a builder uses it: its tabs and the value page that
// follows the item type, the Identifier checks, copying from another item or a template, the
// number fields, and handing the result back to the World.

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

#include "app/CFieldCheck.h"
#include "editor/items/ItemSheetDriver.h"
#include "items/CItemValueWeapon.h"
#include "items/ItemEdit.h"

using namespace tarnholt;
using namespace tarnholt::testing;

namespace {

const QStringList kFixedTabs{qt("Description"), qt("Type/Effect"), qt("Abilities"),
                             qt("Classes"),     qt("Flags"),       qt("Wear"),
                             qt("Assemble"),    qt("SpecProc"),    qt("Extra Descriptions")};

/// The texts a person reads on a page: field labels, buttons, frames. Figures worked out by the
/// page (named labels) and hidden boxes are left out.
QStringList pageTexts(QWidget* page)
{
    QStringList texts;
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->objectName().isEmpty())
            texts << label->text();
    }
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (!button->isHidden())
            texts << button->text();
    }
    for (QGroupBox* box : page->findChildren<QGroupBox*>())
        texts << box->title();
    texts.sort();
    return texts;
}

QStringList namesOf(const std::vector<FlagEntry>& table)
{
    QStringList names;
    for (const FlagEntry& entry : table)
        names << QString::fromStdString(entry.name);
    return names;
}

QWidget* pageTitled(CItemSheet& sheet, const QString& title)
{
    for (int i = 0; i < sheet.tabs()->count(); ++i) {
        if (sheet.tabs()->tabText(i) == title)
            return sheet.page(i);
    }
    return nullptr;
}

} // namespace

class ItemSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init() { fixture_ = std::make_unique<ItemEditorFixture>(); }

    void valuePageFollowsTheType_data();
    void valuePageFollowsTheType();
    void everyPageShowsItsTexts_data();
    void everyPageShowsItsTexts();

    void typeChangeDiscardsTheOldValues();
    void typeChangeToATypeWithoutPage();

    void identifierChecks_data();
    void identifierChecks();
    void numberFieldsRefuseWhatIsNotANumber_data();
    void numberFieldsRefuseWhatIsNotANumber();

    void copyItemKeepsTheTypedIdentifier();
    void useTemplateKeepsVnumAndIdentifier();

    void editItemHandsBackOnOkOnly();
    void applyItemEditRenamesReferences();

private:
    std::unique_ptr<ItemEditorFixture> fixture_;
};

void ItemSheetTest::valuePageFollowsTheType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("valueTab");

    const char* const rows[][2] = {
        {"Light", "Light"},
        {"Scroll", "Scroll"},
        {"Wand", "Wand"},
        {"Staff", "Staff"},
        {"Weapon", "Weapon"},
        {"Fireweapon", "Fire Weapon"},
        {"Missile Weapon", "Missile"},
        {"Treasure", ""},
        {"Armor", "Armor"},
        {"Potion", "Potion"},
        {"Worn", "Worn"},
        {"Other", "Other"},
        {"Trash", ""},
        {"Container", "Container"},
        {"Note", ""},
        {"Drink Container", "Drink Container"},
        {"Key", "Key"},
        {"Food", "Food"},
        {"Money", "Money"},
        {"Boat", ""},
        {"Fountain", "Fountain"},
        {"Airship", ""},
        {"Device", "Device"},
        {"", ""},
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
    auto sheet = fixture_->open(item);

    QStringList expected = kFixedTabs;
    if (!valueTab.isEmpty())
        expected << valueTab;
    QCOMPARE(tabTitles(*sheet), expected);
    QCOMPARE(currentTab(*sheet), qt("Description"));

    if (!valueTab.isEmpty()) {
        clickTab(*sheet, valueTab.toLatin1().constData());
        QCOMPARE(currentTab(*sheet), valueTab);
    }
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
    const QString minimum = qt("Minimum Level:");
    QTest::newRow("Description")
        << qt("Weapon") << qt("Description")
        << QStringList{qt("Item Identifier:"),   qt("Name/Alias List:"),
                       qt("Short Description:"), qt("Long Description (as seen lying on the ground):"),
                       qt("Description:"),       qt("Copy Item"),
                       qt("Use Template"),       qt("Format-60"),
                       qt("Format-80")};
    QTest::newRow("Type/Effect") << qt("Weapon") << qt("Type/Effect")
                                 << QStringList{qt("Item Type:"),   qt("Weight:"),       qt("Value:"),
                                                qt("Rent/Day:"),    qt("Spell Effect:"), qt("Spell Effect:"),
                                                qt("Spell Effect:")};
    QTest::newRow("Abilities") << qt("Weapon") << qt("Abilities")
                               << QStringList{qt("Ability One:"),   qt("Ability Two:"),
                                              qt("Ability Three:"), qt("Ability Four:"),
                                              qt("Abiliy Five:"),   qt("Ability Six:"),
                                              qt("Ability List:"),  qt("Modifier on Ability:")};
    QTest::newRow("Classes")
        << qt("Weapon") << qt("Classes")
        << (QStringList{qt("The following classes can use this item:"), qt("Select All"), qt("Unselect All")}
            << namesOf(universe.classRestrictions));
    QTest::newRow("Flags") << qt("Weapon") << qt("Flags") << namesOf(universe.itemExtraFlags);
    QTest::newRow("Wear") << qt("Weapon") << qt("Wear")
                          << (QStringList{qt("The item is wearable at the following locations:")}
                              << namesOf(universe.wearFlags));
    QTest::newRow("Assemble") << qt("Weapon") << qt("Assemble")
                              << QStringList{qt("Required Components to make this item:"),
                                             qt("Add Component:"), qt("Add"), qt("Remove")};
    QTest::newRow("SpecProc")
        << qt("Weapon") << qt("SpecProc")
        << QStringList{
               qt("Special Procs this item will execute (device procs only proc_device type can execute):"),
               qt("Add Special Proc:"),
               qt("Probability:"),
               qt("Special Number:"),
               qt("Terminate if proc successful:"),
               qt("No"),
               qt("Yes"),
               qt("Add"),
               qt("Remove"),
               qt("Update")};

    QTest::newRow("Armor") << qt("Armor") << qt("Armor")
                           << QStringList{qt("Armor Class:"), qt("Regular"), qt("Cursed"), minimum};
    QTest::newRow("Container") << qt("Container") << qt("Container")
                               << QStringList{qt("Maximum weight the item can hold:"),
                                              qt("Closeable"),
                                              qt("Pickproof"),
                                              qt("Closed"),
                                              qt("Locked"),
                                              qt("No Key Exists"),
                                              qt("Key Object:"),
                                              minimum};
    QTest::newRow("Device") << qt("Device") << qt("Device")
                            << QStringList{qt("Device Type:"),
                                           qt("Room Name:"),
                                           qt("Item Name:"),
                                           qt("Mob Name:"),
                                           qt("Spell Name:"),
                                           qt("Direction:"),
                                           qt("Spell Duration (in hours):"),
                                           qt("Spell Level:"),
                                           qt("Boolean Toggle"),
                                           qt("Boolean Action"),
                                           qt("Boolean Starts:"),
                                           qt("False"),
                                           qt("True")};
    QTest::newRow("Drink Container") << qt("Drink Container") << qt("Drink Container")
                                     << QStringList{qt("Maximum Drink Units:"), qt("Current Drink Units:"),
                                                    qt("Starting Liquid in Container:"),
                                                    qt("Starting drink in container is poisonous"), minimum};
    QTest::newRow("Fireweapon") << qt("Fireweapon") << qt("Fire Weapon")
                                << QStringList{qt("Damage Done:"),         qt("d"),
                                               qt("Rounds Left:"),         qt("Total Rounds:"),
                                               qt("Maximum Damage Done:"), qt("Average Damage Done:")};
    QTest::newRow("Food") << qt("Food") << qt("Food")
                          << QStringList{qt("Number Hours of Fullness:"), qt("Food is poisoned")};
    QTest::newRow("Fountain") << qt("Fountain") << qt("Fountain")
                              << QStringList{qt("Maximum Drink Units:"), qt("Drink Units Left:")};
    QTest::newRow("Key") << qt("Key") << qt("Key")
                         << QStringList{qt("Key Number:"),
                                        qt("This key will currently unlock the listed items/doors:")};
    QTest::newRow("Light") << qt("Light") << qt("Light")
                           << QStringList{qt("Duration"), qt("Eternal"),          qt("No Light"),
                                          qt("Hours"),    qt("Number of Hours:"), minimum};
    QTest::newRow("Missile Weapon") << qt("Missile Weapon") << qt("Missile")
                                    << QStringList{qt("Damage Done:"), qt("d"), qt("Maximum Damage Done:"),
                                                   qt("Average Damage Done:")};
    QTest::newRow("Money") << qt("Money") << qt("Money") << QStringList{qt("Number of Coins:")};
    QTest::newRow("Other") << qt("Other") << qt("Other") << QStringList{minimum};
    QTest::newRow("Potion") << qt("Potion") << qt("Potion")
                            << QStringList{qt("Potion Spell Level:"), qt("Spell One:"), qt("Spell Two:"),
                                           qt("Spell Three:"), minimum};
    QTest::newRow("Scroll") << qt("Scroll") << qt("Scroll")
                            << QStringList{qt("Scroll Spell Level:"), qt("Spell One:"), qt("Spell Two:"),
                                           qt("Spell Three:"), qt("Miniumum Level:")};
    const QStringList charged{qt("Spell Level:"), qt("Max charges:"), qt("Charges Left:"), qt("Spell:"),
                              minimum};
    QTest::newRow("Staff") << qt("Staff") << qt("Staff") << charged;
    QTest::newRow("Wand") << qt("Wand") << qt("Wand") << charged;
    QTest::newRow("Weapon") << qt("Weapon") << qt("Weapon")
                            << QStringList{qt("Damage dealt per turn:"), qt("d"),
                                           qt("Weapon Type:"),           minimum,
                                           qt("Min/Max Damage Done:"),   qt("Average Damage Done:")};
    QTest::newRow("Worn") << qt("Worn") << qt("Worn") << QStringList{minimum};
}

void ItemSheetTest::everyPageShowsItsTexts()
{
    QFETCH(QString, type);
    QFETCH(QString, tab);
    QFETCH(QStringList, texts);

    const Item item = typedItem("thing", type.toStdString());
    auto sheet = fixture_->open(item);
    QWidget* page = pageTitled(*sheet, tab);
    QVERIFY(page != nullptr);
    texts.sort();
    QCOMPARE(pageTexts(page), texts);
}

void ItemSheetTest::typeChangeDiscardsTheOldValues()
{
    auto sheet = fixture_->open(fixture_->world.items[1]); // the sword, 2d4, level 5, Slash
    clickTab(*sheet, "Weapon");
    auto* count = findNamed<QLineEdit>(sheet->activePage(), "diceCount");
    QCOMPARE(count->text(), qt("2"));
    type(count, qt("3"));
    type(findNamed<QLineEdit>(sheet->activePage(), "minLevel"), qt("9"));

    clickTab(*sheet, "Type/Effect");
    QVERIFY(choose(findNamed<QComboBox>(sheet->activePage(), "itemType"), qt("Armor")));
    QCOMPARE(tabTitles(*sheet), QStringList(kFixedTabs) << qt("Armor"));
    clickTab(*sheet, "Armor");
    QCOMPARE(findNamed<QLineEdit>(sheet->activePage(), "armorClass")->text(), qt("0"));
    type(findNamed<QLineEdit>(sheet->activePage(), "armorClass"), qt("6"));

    clickTab(*sheet, "Type/Effect");
    QVERIFY(choose(findNamed<QComboBox>(sheet->activePage(), "itemType"), qt("Weapon")));
    QCOMPARE(tabTitles(*sheet), QStringList(kFixedTabs) << qt("Weapon"));
    clickTab(*sheet, "Weapon");
    QWidget* weapon = sheet->activePage();
    QCOMPARE(findNamed<QLineEdit>(weapon, "diceCount")->text(), qt("0"));
    QCOMPARE(findNamed<QLineEdit>(weapon, "diceSize")->text(), qt("0"));
    QCOMPARE(findNamed<QLineEdit>(weapon, "minLevel")->text(), qt("0"));
    QCOMPARE(findNamed<QComboBox>(weapon, "weaponType")->currentText(), QString());

    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(sheet->item().itemType, std::string("Weapon"));
    QVERIFY(sheet->item().valueRecord != nullptr);
    QVERIFY(*sheet->item().valueRecord == WeaponValues());
    QCOMPARE(sheet->item().weight, 8); // the rest of the item is untouched
}

void ItemSheetTest::typeChangeToATypeWithoutPage()
{
    auto sheet = fixture_->open(fixture_->world.items[1]);
    clickTab(*sheet, "Type/Effect");
    auto* typeList = findNamed<QComboBox>(sheet->activePage(), "itemType");

    // Choosing the type already shown keeps its values.
    QVERIFY(choose(typeList, qt("Weapon")));
    QCOMPARE(static_cast<const WeaponValues&>(*sheet->item().valueRecord).damageDiceSize, 4);

    QVERIFY(choose(typeList, qt("Treasure")));
    QCOMPARE(tabTitles(*sheet), kFixedTabs);
    QCOMPARE(sheet->item().valueRecord->typeName(), std::string_view("Treasure"));

    QVERIFY(choose(typeList, qt("Note")));
    QCOMPARE(tabTitles(*sheet), kFixedTabs);
    QVERIFY(sheet->item().valueRecord == nullptr);

    QVERIFY(choose(typeList, qt("Fireweapon")));
    QCOMPARE(tabTitles(*sheet).last(), qt("Fire Weapon"));
    click(sheet.get(), "OK");
    QCOMPARE(sheet->item().itemType, std::string("Fireweapon"));
    QVERIFY(*sheet->item().valueRecord == FireweaponValues());
}

void ItemSheetTest::identifierChecks_data()
{
    QTest::addColumn<bool>("templateMode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    const QString empty = qt("The Identifier field must be filled in.");
    const QString number = qt("The Identifier number is not valid.");
    const QString used = qt("The Identifier specified is already in use!");
    QTest::newRow("empty") << false << QString() << empty;
    QTest::newRow("#12 and words") << false << qt("#12 the long sword") << QString();
    QTest::newRow("#12a") << false << qt("#12a") << number;
    QTest::newRow("# alone") << false << qt("#") << number;
    QTest::newRow("#0") << false << qt("#0") << number;
    QTest::newRow("#0 and words") << false << qt("#0 sword") << number;
    QTest::newRow("another item's") << false << qt("chest") << used;
    QTest::newRow("its own") << false << qt("sword") << QString();
    QTest::newRow("differs in case only") << false << qt("Chest") << QString();
    QTest::newRow("template: a template's name") << true << qt("Lantern") << used;
    QTest::newRow("template: an item of the World") << true << qt("chest") << QString();
    QTest::newRow("template: empty") << true << QString() << empty;
}

void ItemSheetTest::identifierChecks()
{
    QFETCH(bool, templateMode);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    Item lantern = makeItem<LightValues>("", "Light");
    QVERIFY(fixture_->templates.items().add(lantern, "Lantern", fixture_->questions));

    auto sheet = fixture_->open(fixture_->world.items[1], templateMode);
    auto* identifier = findNamed<QLineEdit>(sheet->activePage(), "identifier");
    type(identifier, typed);
    clickTab(*sheet, "Wear");

    if (message.isEmpty()) {
        QVERIFY(fixture_->questions.messages.empty());
        QCOMPARE(currentTab(*sheet), qt("Wear"));
        click(sheet.get(), "OK");
        QCOMPARE(sheet->result(), int(QDialog::Accepted));
        QCOMPARE(sheet->item().identifier, typed.toStdString());
        return;
    }
    QCOMPARE(fixture_->questions.messages, std::vector<std::string>{message.toStdString()});
    QCOMPARE(currentTab(*sheet), qt("Description"));
    QCOMPARE(QApplication::focusWidget(), identifier);
    QCOMPARE(identifier->selectedText(), typed);

    // OK on the page checks again and keeps the editor open.
    click(sheet.get(), "OK");
    QCOMPARE(fixture_->questions.messages.size(), std::size_t(2));
    QVERIFY(sheet->isVisible());
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
    QTest::newRow("too large") << qt("Money") << qt("Money") << qt("coins") << qt("4294967296")
                               << qt("2147483647");
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
    auto sheet = fixture_->open(item);
    clickTab(*sheet, tab.toLatin1().constData());
    auto* edit = sheet->activePage()->findChild<QLineEdit*>(field);
    QVERIFY(edit != nullptr);
    type(edit, bad);
    QCOMPARE(edit->text(), bad); // typed as it is: nothing refuses keys or corrects them

    for (const char* how : {"tab", "OK"}) {
        fixture_->questions.messages.clear();
        if (qstrcmp(how, "tab") == 0)
            clickTab(*sheet, "Description");
        else
            click(sheet.get(), "OK");
        QCOMPARE(fixture_->questions.messages, std::vector<std::string>{"Please enter an integer."});
        QCOMPARE(currentTab(*sheet), tab);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->selectedText(), bad);
        QVERIFY(sheet->isVisible());
    }

    type(edit, good);
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    // Reopening shows the number as stored.
    auto again = fixture_->open(sheet->item());
    clickTab(*again, tab.toLatin1().constData());
    int32_t expected = 0;
    QVERIFY(CFieldCheck::parseInteger(good, expected));
    QCOMPARE(again->activePage()->findChild<QLineEdit*>(field)->text(), QString::number(expected));
}

void ItemSheetTest::copyItemKeepsTheTypedIdentifier()
{
    Item fresh = makeItem<LightValues>("", "Light", -1);
    auto sheet = fixture_->open(fresh);
    QWidget* page = sheet->activePage();
    type(findNamed<QLineEdit>(page, "identifier"), qt("dagger"));

    QStringList offered;
    QString title;
    QString prompt;
    onPickList([&](CPickList& form) {
        title = form.windowTitle();
        prompt = form.findChild<QLabel*>()->text();
        offered = listEntries(form.findChild<QListWidget*>());
        pickEntry(form, qt("sword"));
    });
    click(page, "Copy Item");

    QCOMPARE(title, qt("Select an item to copy from"));
    QCOMPARE(prompt, qt("Select one of the following items to copy from:"));
    QCOMPARE(offered,
             (QStringList{qt("box"), qt("brass key"), qt("chest"), qt("iron key"), qt("rag"), qt("sword")}));
    QCOMPARE(findNamed<QLineEdit>(page, "identifier")->text(), qt("dagger"));
    QCOMPARE(findNamed<QLineEdit>(page, "aliases")->text(), qt("sword long"));
    // The value page follows the copied type and shows the copied values.
    QCOMPARE(tabTitles(*sheet).last(), qt("Weapon"));
    clickTab(*sheet, "Weapon");
    QCOMPARE(findNamed<QLineEdit>(sheet->activePage(), "diceSize")->text(), qt("4"));

    click(sheet.get(), "OK");
    Item expected = fixture_->world.items[1];
    expected.identifier = "dagger";
    QCOMPARE(sheet->item(), expected); // the vnum (3012) comes along
}

void ItemSheetTest::useTemplateKeepsVnumAndIdentifier()
{
    Item lantern = makeItem<LightValues>("", "Light");
    lantern.shortDescription = "a brass lantern";
    lantern.wearFlags = {"Takeable", "Holdable"};
    static_cast<LightValues&>(*lantern.valueRecord).lightHours = 24;
    QVERIFY(fixture_->templates.items().add(lantern, "Lantern", fixture_->questions));

    auto sheet = fixture_->open(fixture_->world.items[1]); // the sword, vnum 3012
    QWidget* page = sheet->activePage();
    type(findNamed<QLineEdit>(page, "identifier"), qt("torch"));
    QString title;
    QStringList offered;
    onPickList([&](CPickList& form) {
        title = form.windowTitle();
        offered = listEntries(form.findChild<QListWidget*>());
        pickEntry(form, qt("Lantern"));
    });
    click(page, "Use Template");

    QCOMPARE(title, qt("Select an item template to use"));
    QVERIFY(offered.contains(qt("Lantern")));
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
    ItemEditorFixture& f = *fixture_;
    for (const bool confirm : {false, true}) {
        Item item = f.world.items[1];
        QTimer::singleShot(0, [confirm] {
            auto* sheet = qobject_cast<CItemSheet*>(QApplication::activeModalWidget());
            QVERIFY(sheet != nullptr);
            QCOMPARE(sheet->windowTitle(), qt("Editing an Existing Item - sword"));
            type(findNamed<QLineEdit>(sheet->activePage(), "shortDescription"), qt("a notched sword"));
            click(sheet, confirm ? "OK" : "Cancel");
        });
        const bool accepted = editItem(nullptr, f.world, f.universe, f.templates, f.questions, item, false,
                                       qt("Editing an Existing Item - sword"));
        QCOMPARE(accepted, confirm);
        QCOMPARE(item.shortDescription, std::string(confirm ? "a notched sword" : "a long sword"));
    }
}

void ItemSheetTest::applyItemEditRenamesReferences()
{
    World& world = fixture_->world;
    world.items[1].assemblyComponents = {"brass key", "Brass key"};

    Item renamed = world.items[0];
    renamed.identifier = "gold key";
    QVERIFY(applyItemEdit(world, 0, renamed));
    QCOMPARE(world.items[0].identifier, std::string("gold key"));
    QCOMPARE(static_cast<const ContainerValues&>(*world.items[2].valueRecord).key, std::string("gold key"));
    QCOMPARE(world.items[1].assemblyComponents, (std::vector<std::string>{"gold key", "Brass key"}));
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
