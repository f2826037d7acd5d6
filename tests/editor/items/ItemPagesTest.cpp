// The pages of the item editor one by one, driven as a builder uses them: abilities and spell
// effects up to the Universe's limits, the check-box pages, the assembly recipe, the special
// procedures, and the value pages with their lists, enabling and damage figures.

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "editor/items/ItemSheetDriver.h"

using namespace tarnholt;
using namespace tarnholt::testing;

namespace {

QCheckBox* boxNamed(QWidget* page, const QString& text)
{
    for (QCheckBox* box : page->findChildren<QCheckBox*>()) {
        if (box->text() == text)
            return box;
    }
    return nullptr;
}

void tick(QWidget* page, const char* text, bool ticked)
{
    QCheckBox* box = boxNamed(page, qt(text));
    QVERIFY2(box != nullptr, text);
    if (box->isChecked() != ticked)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(2, box->height() / 2));
    QCOMPARE(box->isChecked(), ticked);
}

void mark(QWidget* page, const char* text)
{
    QAbstractButton* button = findButton(page, qt(text));
    QVERIFY2(button != nullptr, text);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(2, button->height() / 2));
    QVERIFY2(button->isChecked(), text);
}

void selectRow(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

template <class Values> const Values& valuesOf(const CItemSheet& sheet)
{
    return dynamic_cast<const Values&>(*sheet.item().valueRecord);
}

} // namespace

class ItemPagesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { fixture_ = std::make_unique<ItemEditorFixture>(); }

    void abilityRowsUpToTheLimit();
    void abilityRowsCloseUpGaps();
    void spellEffectsUpToTheLimit();
    void checkBoxPages();
    void assemblyComponents();
    void specialProcedures();

    void containerKeyAndNoKeyExists();
    void keyPageListsDoorsAndContainers();
    void deviceFieldsFollowTheAction_data();
    void deviceFieldsFollowTheAction();
    void deviceListsSelectTheExactName();
    void damageFigures_data();
    void damageFigures();
    void valuePagesStoreTheirFields();

private:
    std::unique_ptr<ItemEditorFixture> fixture_;
};

void ItemPagesTest::abilityRowsUpToTheLimit()
{
    Item item = fixture_->world.items[1];
    item.abilityNames = {"Strength", "Dexterity", "Mana"};
    item.abilityModifiers = {2, -1, 5};
    auto sheet = fixture_->open(item);
    clickTab(*sheet, "Abilities");
    QWidget* page = sheet->activePage();
    for (int row = 1; row <= 6; ++row) {
        auto* name = page->findChild<QComboBox*>(QStringLiteral("ability%1").arg(row));
        auto* modifier = page->findChild<QLineEdit*>(QStringLiteral("modifier%1").arg(row));
        QCOMPARE(name->isEnabled(), row <= 2); // the default Universe allows two
        QCOMPARE(modifier->isEnabled(), row <= 2);
        const char* const shown[] = {"Strength", "Dexterity", "Mana", "", "", ""};
        const char* const modifiers[] = {"2", "-1", "5", "0", "0", "0"};
        QCOMPARE(name->currentText(), qt(shown[row - 1]));
        QCOMPARE(modifier->text(), qt(modifiers[row - 1]));
    }
    QCOMPARE(entries(findNamed<QComboBox>(page, "ability1")).mid(0, 2),
             (QStringList{QString(), qt("Strength")}));

    QVERIFY(choose(findNamed<QComboBox>(page, "ability2"), qt("Hit Roll")));
    type(findNamed<QLineEdit>(page, "modifier2"), qt("3"));
    click(sheet.get(), "OK");
    // The third ability, beyond the limit, is kept as it was.
    QCOMPARE(sheet->item().abilityNames, (std::vector<std::string>{"Strength", "Hit Roll", "Mana"}));
    QCOMPARE(sheet->item().abilityModifiers, (std::vector<int32_t>{2, 3, 5}));
}

void ItemPagesTest::abilityRowsCloseUpGaps()
{
    fixture_->universe.maxAbilities = 6;
    Item item = fixture_->world.items[1];
    item.abilityNames = {"Strength", "Dexterity", "Mana", "Moves", "Wisdom", "Charisma", "Hit Roll"};
    item.abilityModifiers = {1, 2, 3, 4, 5, 6, 7};
    auto sheet = fixture_->open(item);
    clickTab(*sheet, "Abilities");
    QWidget* page = sheet->activePage();
    QVERIFY(choose(findNamed<QComboBox>(page, "ability2"), QString())); // a modifier without a name goes
    type(findNamed<QLineEdit>(page, "modifier4"), qt("0"));             // a name with modifier 0 stays
    clickTab(*sheet, "Classes");
    QCOMPARE(sheet->item().abilityNames,
             (std::vector<std::string>{"Strength", "Mana", "Moves", "Wisdom", "Charisma"}));
    QCOMPARE(sheet->item().abilityModifiers, (std::vector<int32_t>{1, 3, 0, 5, 6}));
}

void ItemPagesTest::spellEffectsUpToTheLimit()
{
    Item item = fixture_->world.items[1];
    item.itemSpells = {"Armor", "Bless"};
    {
        auto sheet = fixture_->open(item);
        clickTab(*sheet, "Type/Effect");
        QWidget* page = sheet->activePage();
        QVERIFY(findNamed<QComboBox>(page, "spellEffect1")->isEnabled());
        QVERIFY(!findNamed<QComboBox>(page, "spellEffect2")->isEnabled());
        QVERIFY(!findNamed<QComboBox>(page, "spellEffect3")->isEnabled());
        QCOMPARE(findNamed<QComboBox>(page, "spellEffect2")->currentText(), qt("Bless"));
        QCOMPARE(findNamed<QComboBox>(page, "itemType")->currentText(), qt("Weapon"));
        QCOMPARE(entries(findNamed<QComboBox>(page, "itemType")).size(), 23);
        sheet->reject();
    }
    fixture_->universe.maxItemSpells = 3;
    auto sheet = fixture_->open(item);
    clickTab(*sheet, "Type/Effect");
    QWidget* page = sheet->activePage();
    QVERIFY(choose(findNamed<QComboBox>(page, "spellEffect1"), QString()));
    QVERIFY(choose(findNamed<QComboBox>(page, "spellEffect3"), qt("Blindness")));
    type(findNamed<QLineEdit>(page, "value"), qt("150"));
    click(sheet.get(), "OK");
    QCOMPARE(sheet->item().itemSpells, (std::vector<std::string>{"Bless", "Blindness"}));
    QCOMPARE(sheet->item().value, 150);
}

void ItemPagesTest::checkBoxPages()
{
    Item item = fixture_->world.items[1];
    item.classRestrictions = {"Mage", "Druid"}; // "Druid" is not in the table
    item.wearFlags = {"Takeable", "Wield"};
    auto sheet = fixture_->open(item);

    clickTab(*sheet, "Classes");
    QWidget* classes = sheet->activePage();
    QCOMPARE(classes->findChildren<QCheckBox*>().size(), 22);
    QVERIFY(boxNamed(classes, qt("Mage"))->isChecked());
    click(classes, "Select All");
    clickTab(*sheet, "Flags");
    QCOMPARE(sheet->item().classRestrictions,
             (std::vector<std::string>{"Ranger", "Bard", "Mage", "Cleric", "Thief", "Warrior", "Paladin",
                                       "Anti-Paladin", "Ninja", "Vorsai", "Sohei", "Druid"}));

    QWidget* flags = sheet->activePage();
    QCOMPARE(flags->findChildren<QCheckBox*>().size(), 42);
    tick(flags, "No Drop", true);
    tick(flags, "Glowing", true);
    clickTab(*sheet, "Wear");
    QCOMPARE(sheet->item().extraFlags, (std::vector<std::string>{"Glowing", "No Drop"})); // box order

    QWidget* wear = sheet->activePage();
    QCOMPARE(wear->findChildren<QCheckBox*>().size(), 24);
    QVERIFY(boxNamed(wear, qt("Wield"))->isChecked());
    tick(wear, "Takeable", false);
    tick(wear, "Shield", true);
    clickTab(*sheet, "Classes");
    click(sheet->activePage(), "Unselect All");
    click(sheet.get(), "OK");
    QCOMPARE(sheet->item().wearFlags, (std::vector<std::string>{"Shield", "Wield"}));
    QCOMPARE(sheet->item().classRestrictions, std::vector<std::string>{"Druid"});
}

void ItemPagesTest::assemblyComponents()
{
    fixture_->world.items.push_back(makeItem<OtherValues>("Rag", "Other"));
    Item item = fixture_->world.items[1];
    item.assemblyComponents = {"chest"};
    auto sheet = fixture_->open(item);
    clickTab(*sheet, "Assemble");
    QWidget* page = sheet->activePage();
    auto* list = findNamed<QListWidget>(page, "components");
    auto* component = findNamed<QComboBox>(page, "component");
    QCOMPARE(entries(component), (QStringList{QString(), qt("brass key"), qt("sword"), qt("chest"), qt("box"),
                                              qt("rag"), qt("iron key"), qt("Rag")}));
    QCOMPARE(listEntries(list), QStringList{qt("chest")});

    click(page, "Add"); // nothing chosen: nothing happens
    QVERIFY(choose(component, qt("rag")));
    click(page, "Add");
    QVERIFY(choose(component, qt("brass key")));
    click(page, "Add");
    QVERIFY(fixture_->questions.messages.empty());
    for (const char* again : {"rag", "Rag"}) {
        QVERIFY(choose(component, qt(again)));
        click(page, "Add");
    }
    QCOMPARE(fixture_->questions.messages,
             std::vector<std::string>(2, "The item selected is already in the list of components."));
    QCOMPARE(listEntries(list), (QStringList{qt("chest"), qt("rag"), qt("brass key")}));

    selectRow(list, 0);
    click(page, "Remove");
    QCOMPARE(sheet->item().assemblyComponents, (std::vector<std::string>{"rag", "brass key"}));
    click(page, "Remove"); // the selection went with the entry
    QCOMPARE(listEntries(list), (QStringList{qt("rag"), qt("brass key")}));
    click(sheet.get(), "OK");
    QCOMPARE(sheet->item().assemblyComponents, (std::vector<std::string>{"rag", "brass key"}));
}

void ItemPagesTest::specialProcedures()
{
    Item item = fixture_->world.items[1];
    item.specProcs = {"DEVICE_ECHO 100 0 0"};
    auto sheet = fixture_->open(item);
    clickTab(*sheet, "SpecProc");
    QWidget* page = sheet->activePage();
    auto* list = findNamed<QListWidget>(page, "specProcs");
    QCOMPARE(findNamed<QLineEdit>(page, "probability")->text(), qt("100"));
    QCOMPARE(findNamed<QLineEdit>(page, "specialNumber")->text(), qt("0"));

    click(page, "Add"); // no procedure chosen
    QCOMPARE(list->count(), 1);
    QVERIFY(choose(findNamed<QComboBox>(page, "specProcName"), qt("DEVICE_KILL")));
    type(findNamed<QLineEdit>(page, "probability"), qt("50"));
    type(findNamed<QLineEdit>(page, "specialNumber"), qt("7"));
    mark(page, "Yes");
    click(page, "Add");
    QCOMPARE(listEntries(list), (QStringList{qt("DEVICE_ECHO 100 0 0"), qt("DEVICE_KILL 50 1 7")}));

    type(findNamed<QLineEdit>(page, "probability"), qt("often"));
    click(page, "Add");
    QCOMPARE(fixture_->questions.messages, std::vector<std::string>{"Please enter an integer."});
    QCOMPARE(list->count(), 2);

    selectRow(list, 0);
    type(findNamed<QLineEdit>(page, "probability"), qt("25"));
    mark(page, "No");
    click(page, "Update");
    QCOMPARE(sheet->item().specProcs, (std::vector<std::string>{"DEVICE_KILL 25 0 7", "DEVICE_KILL 50 1 7"}));
    selectRow(list, 1);
    click(page, "Remove");
    click(sheet.get(), "OK");
    QCOMPARE(sheet->item().specProcs, std::vector<std::string>{"DEVICE_KILL 25 0 7"});
}

void ItemPagesTest::containerKeyAndNoKeyExists()
{
    auto sheet = fixture_->open(fixture_->world.items[2]); // the chest, locked by the brass key
    clickTab(*sheet, "Container");
    QWidget* page = sheet->activePage();
    auto* key = findNamed<QComboBox>(page, "key");
    QCOMPARE(entries(key), (QStringList{QString(), qt("brass key"), qt("iron key")})); // keys only
    QCOMPARE(key->currentText(), qt("brass key"));
    QVERIFY(key->isEnabled());

    tick(page, "No Key Exists", true);
    QVERIFY(!key->isEnabled());
    QCOMPARE(key->currentText(), qt("brass key"));
    tick(page, "Locked", true);
    click(sheet.get(), "OK");
    const auto& chest = valuesOf<ContainerValues>(*sheet);
    QCOMPARE(chest.key, std::string("brass key"));
    QCOMPARE(chest.noKey, 1);
    QCOMPARE(chest.locked, 1);

    auto again = fixture_->open(sheet->item());
    clickTab(*again, "Container");
    QVERIFY(!findNamed<QComboBox>(again->activePage(), "key")->isEnabled()); // disabled when opened so
    tick(again->activePage(), "No Key Exists", false);
    QVERIFY(findNamed<QComboBox>(again->activePage(), "key")->isEnabled());
}

void ItemPagesTest::keyPageListsDoorsAndContainers()
{
    auto sheet = fixture_->open(fixture_->world.items[0]); // the brass key
    clickTab(*sheet, "Key");
    QCOMPARE(listEntries(findNamed<QListWidget>(sheet->activePage(), "unlocks")),
             (QStringList{qt("Room: 'hall' Exit: 0"), qt("Room: 'hall' Exit: 5"), qt("Room: 'vault' Exit: 3"),
                          qt("Container: 'chest'")}));
    sheet->reject();

    // A key being renamed still lists what it unlocks under the Identifier the zone knows.
    auto renamed = fixture_->open(fixture_->world.items[0]);
    type(findNamed<QLineEdit>(renamed->activePage(), "identifier"), qt("gold key"));
    clickTab(*renamed, "Key");
    QCOMPARE(listEntries(findNamed<QListWidget>(renamed->activePage(), "unlocks")).size(), 4);
    renamed->reject();

    // A key made from a blank template had no Identifier: it does not unlock every door without a key.
    auto fresh = fixture_->open(makeItem<KeyValues>("", "Key"), true);
    type(findNamed<QLineEdit>(fresh->activePage(), "identifier"), qt("Skeleton Key"));
    clickTab(*fresh, "Key");
    QVERIFY(listEntries(findNamed<QListWidget>(fresh->activePage(), "unlocks")).isEmpty());
}

void ItemPagesTest::deviceFieldsFollowTheAction_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("enabled");

    const char* const rows[][2] = {
        {"Move Everyone", "room"},
        {"Move User", "room"},
        {"Kill All in Room", ""},
        {"Kill User", ""},
        {"Unlock Door", "direction"},
        {"Open Door", "direction"},
        {"Load Item", "item"},
        {"Purge Item", "item"},
        {"Load Mob", "mob"},
        {"Purge Mob", "mob"},
        {"Room Echo", ""},
        {"Zone Echo", ""},
        {"Move Group if Leader Uses", "room"},
        {"Spell Effect", "spell spellDuration spellLevel"},
    };
    int index = 0;
    for (const auto& row : rows)
        QTest::newRow(row[0]) << index++ << qt(row[1]);
}

void ItemPagesTest::deviceFieldsFollowTheAction()
{
    QFETCH(int, action);
    QFETCH(QString, enabled);

    Item device = makeItem<DeviceValues>("lever", "Device");
    auto sheet = fixture_->open(device);
    clickTab(*sheet, "Device");
    QWidget* page = sheet->activePage();
    auto* actions = findNamed<QComboBox>(page, "deviceType");
    QCOMPARE(actions->count(), 14);
    QVERIFY(choose(actions, actions->itemText(action)));

    const QStringList fields{qt("room"),  qt("item"),          qt("mob"),       qt("direction"),
                             qt("spell"), qt("spellDuration"), qt("spellLevel")};
    auto check = [&](QWidget* current) {
        for (const QString& field : fields) {
            auto* widget = current->findChild<QWidget*>(field);
            QVERIFY(widget != nullptr);
            QVERIFY2(widget->isEnabled() == enabled.split(QLatin1Char(' ')).contains(field),
                     qPrintable(field));
        }
    };
    check(page);
    clickTab(*sheet, "Description");
    clickTab(*sheet, "Device"); // the page opens with the same enabling
    check(sheet->activePage());
    click(sheet.get(), "OK");
    QCOMPARE(valuesOf<DeviceValues>(*sheet).action, action);
}

void ItemPagesTest::deviceListsSelectTheExactName()
{
    Item device = makeItem<DeviceValues>("lever", "Device");
    auto& values = static_cast<DeviceValues&>(*device.valueRecord);
    values.action = static_cast<int32_t>(DeviceAction::LoadMob);
    values.mob = "guard"; // "guardian" comes first in the World and also begins with it
    values.direction = "Up";
    auto sheet = fixture_->open(device);
    clickTab(*sheet, "Device");
    QWidget* page = sheet->activePage();
    QCOMPARE(findNamed<QComboBox>(page, "mob")->currentText(), qt("guard"));
    QCOMPARE(entries(findNamed<QComboBox>(page, "direction")),
             (QStringList{QString(), qt("North"), qt("East"), qt("South"), qt("West"), qt("Down"), qt("Up"),
                          qt("Northwest"), qt("Northeast"), qt("Southeast"), qt("Southwest")}));
    QCOMPARE(findNamed<QComboBox>(page, "direction")->currentText(), qt("Up"));
    tick(page, "Boolean Action", true);
    mark(page, "True");
    click(sheet.get(), "OK");
    const auto& stored = valuesOf<DeviceValues>(*sheet);
    QCOMPARE(stored.mob, std::string("guard"));
    QCOMPARE(stored.direction, std::string("Up"));
    QCOMPARE(stored.booleanAction, 1);
    QCOMPARE(stored.startValue, 1);
}

void ItemPagesTest::damageFigures_data()
{
    QTest::addColumn<QString>("itemType");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("average");

    // Weapon: min/max N and N x S, average N x (S + 1) / 2, or 0 without sides.
    QTest::newRow("weapon 2d4") << qt("Weapon") << qt("Weapon") << qt("2") << qt("4") << qt("minMaxDamage")
                                << qt("2.0/8.0") << qt("5.0");
    QTest::newRow("weapon 3d0") << qt("Weapon") << qt("Weapon") << qt("3") << qt("0") << qt("minMaxDamage")
                                << qt("3.0/0.0") << qt("0.0");
    QTest::newRow("weapon 1d1") << qt("Weapon") << qt("Weapon") << qt("1") << qt("1") << qt("minMaxDamage")
                                << qt("1.0/1.0") << qt("1.0");
    // Fire weapon: maximum N x S, average half of it.
    QTest::newRow("fireweapon 3d5") << qt("Fireweapon") << qt("Fire Weapon") << qt("3") << qt("5")
                                    << qt("maximumDamage") << qt("15.0") << qt("7.5");
    // Missile: maximum N x S, average N x (S + 1) / 2.
    QTest::newRow("missile 2d4") << qt("Missile Weapon") << qt("Missile") << qt("2") << qt("4")
                                 << qt("maximumDamage") << qt("8.0") << qt("5.0");
    QTest::newRow("missile large") << qt("Missile Weapon") << qt("Missile") << qt("100000") << qt("100000")
                                   << qt("maximumDamage") << qt("10000000000.0") << qt("5000050000.0");
}

void ItemPagesTest::damageFigures()
{
    QFETCH(QString, itemType);
    QFETCH(QString, tab);
    QFETCH(QString, count);
    QFETCH(QString, size);
    QFETCH(QString, firstName);
    QFETCH(QString, first);
    QFETCH(QString, average);

    const Item item = typedItem("arms", itemType.toStdString());
    auto sheet = fixture_->open(item);
    clickTab(*sheet, tab.toLatin1().constData());
    QWidget* page = sheet->activePage();
    auto* firstFigure = page->findChild<QLabel*>(firstName);
    auto* averageFigure = findNamed<QLabel>(page, "averageDamage");
    QCOMPARE(averageFigure->text(), qt("0.0")); // 0d0 when the page opens

    type(findNamed<QLineEdit>(page, "diceCount"), count);
    type(findNamed<QLineEdit>(page, "diceSize"), size);
    QCOMPARE(firstFigure->text(), first);
    QCOMPARE(averageFigure->text(), average);

    // While a field is empty the figures stay as they were.
    type(findNamed<QLineEdit>(page, "diceSize"), QString());
    QCOMPARE(firstFigure->text(), first);
    QCOMPARE(averageFigure->text(), average);
}

void ItemPagesTest::valuePagesStoreTheirFields()
{
    ItemEditorFixture& f = *fixture_;
    auto edit = [&f](const char* type, const char* tab, const std::function<void(QWidget*)>& act) {
        auto sheet = f.open(typedItem("thing", type));
        clickTab(*sheet, tab);
        act(sheet->activePage());
        click(sheet.get(), "OK");
        return sheet->item();
    };

    Item light = edit("Light", "Light", [](QWidget* page) {
        mark(page, "Hours");
        type(findNamed<QLineEdit>(page, "lightHours"), qt("12"));
    });
    QCOMPARE(static_cast<const LightValues&>(*light.valueRecord).duration, 2);
    QCOMPARE(static_cast<const LightValues&>(*light.valueRecord).lightHours, 12);

    Item armor = edit("Armor", "Armor", [](QWidget* page) {
        type(findNamed<QLineEdit>(page, "armorClass"), qt("4"));
        mark(page, "Cursed");
    });
    QCOMPARE(static_cast<const ArmorValues&>(*armor.valueRecord).cursed, 1);
    QCOMPARE(static_cast<const ArmorValues&>(*armor.valueRecord).armorClass, 4);

    // A potion keeps the spells that are chosen, in field order; a scroll keeps its three slots.
    Item potion = edit("Potion", "Potion", [](QWidget* page) {
        QVERIFY(choose(findNamed<QComboBox>(page, "spellTwo"), qt("Bless")));
        QVERIFY(choose(findNamed<QComboBox>(page, "spellThree"), qt("Armor")));
    });
    QCOMPARE(static_cast<const PotionValues&>(*potion.valueRecord).spells,
             (std::vector<std::string>{"Bless", "Armor"}));
    Item scroll = edit("Scroll", "Scroll", [](QWidget* page) {
        QVERIFY(choose(findNamed<QComboBox>(page, "spellTwo"), qt("Bless")));
    });
    QCOMPARE(static_cast<const ScrollValues&>(*scroll.valueRecord).spellOne, std::string());
    QCOMPARE(static_cast<const ScrollValues&>(*scroll.valueRecord).spellTwo, std::string("Bless"));

    Item wand = edit("Wand", "Wand", [](QWidget* page) {
        type(findNamed<QLineEdit>(page, "maxCharges"), qt("5"));
        QVERIFY(choose(findNamed<QComboBox>(page, "spell"), qt("Blindness")));
    });
    QCOMPARE(wand.valueRecord->typeName(), std::string_view("Wand"));
    QCOMPARE(static_cast<const WandValues&>(*wand.valueRecord).maxCharges, 5);
    QCOMPARE(static_cast<const WandValues&>(*wand.valueRecord).spell, std::string("Blindness"));
}

QTEST_MAIN(ItemPagesTest)
#include "ItemPagesTest.moc"
