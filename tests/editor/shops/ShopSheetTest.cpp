// The shop editor driven as a builder uses it.

#include <QTest>

#include "editor/rooms/FormDriver.h"

using namespace tarnholt;
using namespace tarnholt::testing;

namespace {

QStringList words(const char* texts) { return qt(texts).split(QLatin1Char('|')); }

const QStringList kTextLabels = words(
    "Text Displayed When the Character Tries to Sell an Item that he/she/it Does Not Have:|"
    "Text Displayed When the Character Tries to Buy an Item that the Shop Does Not Have:|"
    "Text Displayed When Shop Does Not Buy That Item Type:|"
    "Text Displayed When Shop Cannot Afford the Item the Character is Selling:|"
    "Text Displayed When the Character Cannot Afford the Item:|"
    "Text Displayed When the Shop Successfully Buys the Item:|"
    "Text Displayed When the Shop Successfully Sells the Item:");

/// The one-line field under the label `text` of a page.
QLineEdit* fieldUnder(QWidget* page, const QString& text)
{
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->text() == text)
            return qobject_cast<QLineEdit*>(label->buddy());
    }
    return nullptr;
}

QComboBox* slot(QWidget* page, const char* name, int number)
{
    return findNamed<QComboBox>(page, qt(name) + QString::number(number));
}

Shop inTemple()
{
    Shop shop;
    shop.room = "temple";
    return shop;
}

} // namespace

class ShopSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init() { f_ = std::make_unique<Editors>(); }

    void titlesTabsAndTexts();
    void fillEveryPage();
    void reopeningShowsTheStoredChoices();
    void anotherChoiceDropsTheAddedEntry();
    void roomIsRequired();

private:
    std::unique_ptr<Editors> f_;
};

void ShopSheetTest::titlesTabsAndTexts()
{
    QCOMPARE(CShopSheet::newShopTitle(), qt("Creating a New Shop"));
    QCOMPARE(CShopSheet::editShopTitle(), qt("Editing an Existing Shop"));
    auto sheet = f_->shop(inTemple(), CShopSheet::editShopTitle());
    QCOMPARE(sheet->windowTitle(), qt("Editing an Existing Shop"));
    QCOMPARE(tabTitles(*sheet), words("Shop Settings|Buys|Sells|Shop Text"));
    checkPageTexts(*sheet, qt("Shop Settings"),
                   words("Shops are functional only when a specified monster (the shopkeeper) is the specified room.  "
                         "This screen is used to determine what room the shop is in, what mob is the shopkeeper, the "
                         "times open, and the profit margin the store demands.|Attach To Room:|Attach To Mob:|"
                         "Profit from Buying %:|Profit from Selling %:|Open time (military):|Close time (military):"));
    checkPageTexts(*sheet, qt("Buys"),
                   words("The item types selected here are the item types that the shop will buy:|Item Type One:|"
                         "Item Type Two:|Item Type Three:|Item Type Four:|Item Type Five:"));
    checkPageTexts(*sheet, qt("Sells"),
                   words("Items listed here are items that the mob sells when the game starts:|When the mud loads, the "
                         "shopkeeper can only have five items he sells.  Additional items will be added to his "
                         "inventory as people sell him items.|Item One:|Item Two:|Item Three:|Item Four:|Item Five:"));
    clickTab(*sheet, "Shop Text");
    QCOMPARE(shownTexts(sheet->activePage(), false), kTextLabels); // top to bottom in this order
}

void ShopSheetTest::fillEveryPage()
{
    auto sheet = f_->shop(Shop());
    QWidget* page = sheet->activePage();
    QCOMPARE(entries(findNamed<QComboBox>(page, "room")), words("|temple|hall|cellar|#0"));
    QVERIFY(choose(findNamed<QComboBox>(page, "room"), qt("hall")));
    QVERIFY(choose(findNamed<QComboBox>(page, "keeper"), qt("guard")));
    type(page, "profitBuying", "150");
    type(page, "profitSelling", "-20");
    type(page, "closeTime", "25");
    type(page, "openTime", "six");
    click(sheet.get(), "OK");
    QCOMPARE(f_->questions.messages, std::vector<std::string>{"Please enter an integer."});
    QCOMPARE(QApplication::focusWidget(), findNamed<QLineEdit>(page, "openTime"));
    type(page, "openTime", "6");

    clickTab(*sheet, "Buys");
    const QStringList types = words("|Light|Scroll|Staff|Wand|Weapon|Treasure|Armor|Potion|Worn|Other|Trash|"
                                    "Container|Drink Container|Device|Key|Food|Money|Boat|Fountain|Airship");
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(entries(slot(sheet->activePage(), "itemType", i)), types);
        QCOMPARE(slot(sheet->activePage(), "itemType", i)->currentText(), QString());
    }
    QVERIFY(choose(slot(sheet->activePage(), "itemType", 2), qt("Drink Container")));
    QVERIFY(choose(slot(sheet->activePage(), "itemType", 5), qt("Airship")));

    clickTab(*sheet, "Sells");
    QCOMPARE(entries(slot(sheet->activePage(), "itemSold", 1)), words("|(None)|brass key|sword|chest|box|rag|iron key"));
    QVERIFY(choose(slot(sheet->activePage(), "itemSold", 1), qt("(None)")));
    QVERIFY(choose(slot(sheet->activePage(), "itemSold", 3), qt("sword")));

    clickTab(*sheet, "Shop Text");
    const char* const texts[] = {"seller lacks", "shop lacks", "does not buy", "shop is poor",
                                 "buyer is poor", "bought", "sold"};
    for (int i = 0; i < 7; ++i) {
        QLineEdit* field = fieldUnder(sheet->activePage(), kTextLabels[i]);
        QVERIFY2(field != nullptr, texts[i]);
        type(field, qt(texts[i]));
    }
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));

    Shop expected;
    expected.room = "hall";
    expected.keeper = "guard";
    expected.profitBuying = 150; // any number is taken
    expected.profitSelling = -20;
    expected.openTime = 6;
    expected.closeTime = 25;
    expected.itemTypes = {"", "Drink Container", "", "", "Airship"};
    expected.itemsSold = {"(None)", "", "sword", "", ""};
    expected.textSellerLacksItem = "seller lacks";
    expected.textShopLacksItem = "shop lacks";
    expected.textDoesNotBuyType = "does not buy";
    expected.textShopCannotAfford = "shop is poor";
    expected.textBuyerCannotAfford = "buyer is poor";
    expected.textShopBought = "bought";
    expected.textShopSold = "sold";
    QCOMPARE(sheet->shop(), expected);
}

void ShopSheetTest::reopeningShowsTheStoredChoices()
{
    Shop shop;
    shop.room = "hall";
    shop.keeper = "guard"; // "guardian" comes first and begins the same way
    shop.openTime = 8;
    shop.closeTime = 20;
    shop.profitBuying = 110;
    shop.profitSelling = 90;
    shop.itemTypes = {"Weapon", "", "Staff", "Wand", "Airship"};
    shop.itemsSold = {"sword", "(None)", "", "gone", "iron key"}; // "gone" names an item deleted since
    shop.textSellerLacksItem = "You have no such thing.";
    shop.textShopBought = "Thanks.";

    // Every page writes back what it shows: visiting them all and confirming changes nothing.
    auto sheet = f_->shop(shop, CShopSheet::editShopTitle());
    for (const char* tab : {"Buys", "Sells", "Shop Text"})
        clickTab(*sheet, tab);
    QCOMPARE(fieldUnder(sheet->activePage(), kTextLabels[5])->text(), qt("Thanks."));
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(sheet->shop(), shop);
}

void ShopSheetTest::anotherChoiceDropsTheAddedEntry()
{
    Shop shop = inTemple();
    shop.itemsSold = {"", "", "", "gone", ""}; // an item deleted since
    auto sheet = f_->shop(shop, CShopSheet::editShopTitle());
    clickTab(*sheet, "Sells");
    QCOMPARE(entries(slot(sheet->activePage(), "itemSold", 4)).last(), qt("gone"));
    QVERIFY(choose(slot(sheet->activePage(), "itemSold", 4), qt("sword")));
    clickTab(*sheet, "Shop Settings");
    clickTab(*sheet, "Sells"); // the lists of the first visit, without the entry added for "gone"
    QCOMPARE(entries(slot(sheet->activePage(), "itemSold", 4)), words("|(None)|brass key|sword|chest|box|rag|iron key"));
    QCOMPARE(slot(sheet->activePage(), "itemSold", 4)->currentText(), qt("sword"));
}

void ShopSheetTest::roomIsRequired()
{
    auto sheet = f_->shop(Shop());
    auto* room = findNamed<QComboBox>(sheet->activePage(), "room");
    QCOMPARE(room->currentText(), QString());
    click(sheet.get(), "OK");
    QCOMPARE(f_->questions.messages, std::vector<std::string>{"You must attach to a room before continuing."});
    QVERIFY(sheet->isVisible());
    QCOMPARE(QApplication::focusWidget(), room);
    clickTab(*sheet, "Sells");
    QCOMPARE(f_->questions.messages.size(), std::size_t(2));
    QCOMPARE(currentTab(*sheet), qt("Shop Settings"));

    QVERIFY(choose(room, qt("temple")));
    clickTab(*sheet, "Sells");
    QCOMPARE(currentTab(*sheet), qt("Sells"));
    click(sheet.get(), "OK");
    QCOMPARE(sheet->result(), int(QDialog::Accepted));
    QCOMPARE(sheet->shop(), inTemple()); // no keeper is fine
}

QTEST_MAIN(ShopSheetTest)
#include "ShopSheetTest.moc"
