// The shop editor driven as a builder uses it.

#include <QTest>

#include "app/Questions.h"
#include "editor/rooms/FormDriver.h"
#include "shops/CShopSheet.h"
#include "world/World.h"

using namespace tarnholt;
using namespace tarnholt::testing;

namespace {

/// The one-line field under the label `text` of a page.
QLineEdit* fieldUnder(QWidget* page, const QString& text)
{
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->text() == text)
            return qobject_cast<QLineEdit*>(label->buddy());
    }
    return nullptr;
}

const QString kSellerLacks = QStringLiteral(
    "Text Displayed When the Character Tries to Sell an Item that he/she/it Does Not Have:");
const QString kShopLacks = QStringLiteral(
    "Text Displayed When the Character Tries to Buy an Item that the Shop Does Not Have:");
const QString kDoesNotBuy = QStringLiteral("Text Displayed When Shop Does Not Buy That Item Type:");
const QString kShopCannotAfford = QStringLiteral(
    "Text Displayed When Shop Cannot Afford the Item the Character is Selling:");
const QString kBuyerCannotAfford = QStringLiteral("Text Displayed When the Character Cannot Afford the Item:");
const QString kBought = QStringLiteral("Text Displayed When the Shop Successfully Buys the Item:");
const QString kSold = QStringLiteral("Text Displayed When the Shop Successfully Sells the Item:");

} // namespace

class ShopSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void titlesTabsAndTexts();
    void itemTypeListsOfferTheTypes();
    void roomIsRequired();
    void numbersAreChecked();
    void noneSlotIsStored();
    void reopeningShowsTheStoredChoices();
    void textsGoToTheirOwnFields();
    void applyShopEditReplaces();

private:
    std::unique_ptr<CShopSheet> openSheet(const Shop& shop, const QString& title = QString());

    World world_;
    ScriptedQuestions questions_;
};

void ShopSheetTest::init()
{
    world_ = World();
    for (const char* identifier : {"temple", "market"}) {
        Room room;
        room.identifier = identifier;
        world_.rooms.push_back(room);
    }
    for (const char* identifier : {"guardian", "guard"}) {
        Mob mob;
        mob.identifier = identifier;
        world_.mobs.push_back(mob);
    }
    for (const char* identifier : {"sword", "bread", "breadknife"}) {
        Item item;
        item.identifier = identifier;
        world_.items.push_back(item);
    }
    questions_ = ScriptedQuestions();
}

std::unique_ptr<CShopSheet> ShopSheetTest::openSheet(const Shop& shop, const QString& title)
{
    auto sheet = std::make_unique<CShopSheet>(title.isEmpty() ? CShopSheet::newShopTitle() : title, shop, world_,
                                              questions_);
    sheet->show();
    if (!QTest::qWaitForWindowActive(sheet.get()))
        qWarning("the shop editor did not become the active window");
    return sheet;
}

void ShopSheetTest::titlesTabsAndTexts()
{
    QCOMPARE(CShopSheet::newShopTitle(), qt("Creating a New Shop"));
    QCOMPARE(CShopSheet::editShopTitle(), qt("Editing an Existing Shop"));

    Shop shop;
    shop.room = "temple";
    auto sheet = openSheet(shop, CShopSheet::editShopTitle());
    QCOMPARE(sheet->windowTitle(), qt("Editing an Existing Shop"));
    QCOMPARE(tabTitles(*sheet), (QStringList{qt("Shop Settings"), qt("Buys"), qt("Sells"), qt("Shop Text")}));
    QCOMPARE(currentTab(*sheet), qt("Shop Settings"));

    const std::pair<const char*, QStringList> pages[] = {
        {"Shop Settings",
         {qt("Shops are functional only when a specified monster (the shopkeeper) is the specified room.  This "
             "screen is used to determine what room the shop is in, what mob is the shopkeeper, the times open, and "
             "the profit margin the store demands."),
          qt("Attach To Room:"), qt("Attach To Mob:"), qt("Profit from Buying %:"), qt("Profit from Selling %:"),
          qt("Open time (military):"), qt("Close time (military):")}},
        {"Buys",
         {qt("The item types selected here are the item types that the shop will buy:"), qt("Item Type One:"),
          qt("Item Type Two:"), qt("Item Type Three:"), qt("Item Type Four:"), qt("Item Type Five:")}},
        {"Sells",
         {qt("Items listed here are items that the mob sells when the game starts:"),
          qt("When the mud loads, the shopkeeper can only have five items he sells.  Additional items will be added "
             "to his inventory as people sell him items."),
          qt("Item One:"), qt("Item Two:"), qt("Item Three:"), qt("Item Four:"), qt("Item Five:")}},
        {"Shop Text",
         {kSellerLacks, kShopLacks, kDoesNotBuy, kShopCannotAfford, kBuyerCannotAfford, kBought, kSold}},
    };
    for (const auto& [tab, texts] : pages) {
        clickTab(*sheet, tab);
        QCOMPARE(currentTab(*sheet), qt(tab));
        // Everything the page reads, and nothing else; the seven texts top to bottom in this order.
        QStringList shown = shownTexts(sheet->activePage());
        QStringList expected = texts;
        if (qt(tab) != qt("Shop Text")) {
            shown.sort();
            expected.sort();
        }
        QCOMPARE(shown, expected);
    }
}

void ShopSheetTest::itemTypeListsOfferTheTypes()
{
    Shop shop;
    shop.room = "temple";
    auto sheet = openSheet(shop);
    clickTab(*sheet, "Buys");
    const QStringList types{qt("Light"), qt("Scroll"), qt("Staff"), qt("Wand"), qt("Weapon"), qt("Treasure"),
                            qt("Armor"), qt("Potion"), qt("Worn"), qt("Other"), qt("Trash"), qt("Container"),
                            qt("Drink Container"), qt("Device"), qt("Key"), qt("Food"), qt("Money"), qt("Boat"),
                            qt("Fountain"), qt("Airship")};
    for (int i = 1; i <= 5; ++i) {
        auto* combo = findNamed<QComboBox>(sheet->activePage(), QStringLiteral("itemType%1").arg(i).toLatin1().constData());
        // No choice is the empty entry at the top.
        QCOMPARE(entries(combo), QStringList{QString()} + types);
        QCOMPARE(combo->currentText(), QString());
    }
    QVERIFY(choose(findNamed<QComboBox>(sheet->activePage(), "itemType2"), qt("Drink Container")));
    QVERIFY(choose(findNamed<QComboBox>(sheet->activePage(), "itemType5"), qt("Airship")));
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(sheet->shop().itemTypes, (std::array<std::string, 5>{"", "Drink Container", "", "", "Airship"}));
}

void ShopSheetTest::roomIsRequired()
{
    auto sheet = openSheet(Shop());
    QWidget* page = sheet->activePage();
    auto* room = findNamed<QComboBox>(page, "room");
    QCOMPARE(entries(room), (QStringList{QString(), qt("temple"), qt("market")}));
    QCOMPARE(room->currentText(), QString());

    click(sheet.get(), "OK");
    QCOMPARE(questions_.messages, std::vector<std::string>{"You must attach to a room before continuing."});
    QVERIFY(sheet->isVisible());
    QCOMPARE(QApplication::focusWidget(), room);

    clickTab(*sheet, "Sells");
    QCOMPARE(questions_.messages.size(), std::size_t(2));
    QCOMPARE(currentTab(*sheet), qt("Shop Settings"));

    QVERIFY(choose(room, qt("market")));
    clickTab(*sheet, "Sells");
    QCOMPARE(currentTab(*sheet), qt("Sells"));
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(questions_.messages.size(), std::size_t(2));
    QCOMPARE(sheet->shop().room, std::string("market"));
    QCOMPARE(sheet->shop().keeper, std::string()); // no keeper is fine
}

void ShopSheetTest::numbersAreChecked()
{
    Shop shop;
    shop.room = "temple";
    auto sheet = openSheet(shop);
    QWidget* page = sheet->activePage();
    type(findNamed<QLineEdit>(page, "profitBuying"), qt("150"));
    type(findNamed<QLineEdit>(page, "profitSelling"), qt("-20"));
    type(findNamed<QLineEdit>(page, "closeTime"), qt("25"));
    auto* open = findNamed<QLineEdit>(page, "openTime");
    type(open, qt("six"));
    click(sheet.get(), "OK");
    QCOMPARE(questions_.messages, std::vector<std::string>{"Please enter an integer."});
    QCOMPARE(QApplication::focusWidget(), open);
    QCOMPARE(open->selectedText(), qt("six"));
    QVERIFY(sheet->isVisible());

    type(open, qt("6"));
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    const Shop& edited = sheet->shop();
    QCOMPARE(edited.profitBuying, 150); // any number is taken
    QCOMPARE(edited.profitSelling, -20);
    QCOMPARE(edited.openTime, 6);
    QCOMPARE(edited.closeTime, 25);
}

void ShopSheetTest::noneSlotIsStored()
{
    Shop shop;
    shop.room = "temple";
    shop.itemsSold[1] = "bread";
    auto sheet = openSheet(shop);
    clickTab(*sheet, "Sells");
    QWidget* page = sheet->activePage();
    auto* first = findNamed<QComboBox>(page, "itemSold1");
    QCOMPARE(entries(first), (QStringList{QString(), qt("(None)"), qt("sword"), qt("bread"), qt("breadknife")}));
    QCOMPARE(findNamed<QComboBox>(page, "itemSold2")->currentText(), qt("bread"));
    QVERIFY(choose(first, qt("(None)")));
    QVERIFY(choose(findNamed<QComboBox>(page, "itemSold3"), qt("breadknife")));
    click(sheet.get(), "OK");
    QCOMPARE(sheet->shop().itemsSold, (std::array<std::string, 5>{"(None)", "bread", "breadknife", "", ""}));
}

void ShopSheetTest::reopeningShowsTheStoredChoices()
{
    Shop shop;
    shop.room = "market";
    shop.keeper = "guard"; // "guardian" comes first and begins the same way
    shop.openTime = 8;
    shop.closeTime = 20;
    shop.profitBuying = 110;
    shop.profitSelling = 90;
    shop.itemTypes = {"Weapon", "", "Staff", "Wand", "Airship"};
    shop.itemsSold = {"bread", "(None)", "", "gone", "sword"}; // "gone" names an item deleted since
    shop.textSellerLacksItem = "You have no such thing.";
    shop.textShopBought = "Thanks.";

    auto sheet = openSheet(shop, CShopSheet::editShopTitle());
    QWidget* page = sheet->activePage();
    QCOMPARE(findNamed<QComboBox>(page, "room")->currentText(), qt("market"));
    QCOMPARE(findNamed<QComboBox>(page, "keeper")->currentText(), qt("guard"));
    QCOMPARE(findNamed<QLineEdit>(page, "openTime")->text(), qt("8"));
    QCOMPARE(findNamed<QLineEdit>(page, "profitSelling")->text(), qt("90"));

    clickTab(*sheet, "Buys");
    for (std::size_t i = 0; i < 5; ++i) {
        const QByteArray name = QByteArrayLiteral("itemType") + QByteArray::number(int(i) + 1);
        QCOMPARE(findNamed<QComboBox>(sheet->activePage(), name.constData())->currentText(),
                 qt(shop.itemTypes[i].c_str()));
    }
    clickTab(*sheet, "Sells");
    for (std::size_t i = 0; i < 5; ++i) {
        const QByteArray name = QByteArrayLiteral("itemSold") + QByteArray::number(int(i) + 1);
        QCOMPARE(findNamed<QComboBox>(sheet->activePage(), name.constData())->currentText(),
                 qt(shop.itemsSold[i].c_str()));
    }
    clickTab(*sheet, "Shop Text");
    QCOMPARE(fieldUnder(sheet->activePage(), kSellerLacks)->text(), qt("You have no such thing."));
    QCOMPARE(fieldUnder(sheet->activePage(), kBought)->text(), qt("Thanks."));

    // Visiting every page and confirming changes nothing.
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(sheet->shop(), shop);
}

void ShopSheetTest::textsGoToTheirOwnFields()
{
    Shop shop;
    shop.room = "temple";
    auto sheet = openSheet(shop);
    clickTab(*sheet, "Shop Text");
    const std::pair<QString, const char*> typing[] = {
        {kSellerLacks, "seller lacks"},        {kShopLacks, "shop lacks"},   {kDoesNotBuy, "does not buy"},
        {kShopCannotAfford, "shop is poor"}, {kBuyerCannotAfford, "buyer is poor"}, {kBought, "bought"},
        {kSold, "sold"}};
    for (const auto& [label, text] : typing) {
        QLineEdit* field = fieldUnder(sheet->activePage(), label);
        QVERIFY2(field != nullptr, qPrintable(label));
        type(field, qt(text));
    }
    clickTab(*sheet, "Buys");
    const Shop& edited = sheet->shop();
    QCOMPARE(edited.textSellerLacksItem, std::string("seller lacks"));
    QCOMPARE(edited.textShopLacksItem, std::string("shop lacks"));
    QCOMPARE(edited.textDoesNotBuyType, std::string("does not buy"));
    QCOMPARE(edited.textShopCannotAfford, std::string("shop is poor"));
    QCOMPARE(edited.textBuyerCannotAfford, std::string("buyer is poor"));
    QCOMPARE(edited.textShopBought, std::string("bought"));
    QCOMPARE(edited.textShopSold, std::string("sold"));
}

void ShopSheetTest::applyShopEditReplaces()
{
    world_.shops.resize(2);
    Shop edited;
    edited.room = "market";
    QVERIFY(applyShopEdit(world_, 1, edited));
    QCOMPARE(world_.shops[1], edited);
    QCOMPARE(world_.shops[0], Shop());
    QVERIFY(!applyShopEdit(world_, 2, edited));
    QCOMPARE(world_.shops.size(), std::size_t(2));
}

QTEST_MAIN(ShopSheetTest)
#include "ShopSheetTest.moc"
