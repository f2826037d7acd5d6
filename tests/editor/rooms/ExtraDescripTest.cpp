// The "Extra Descriptions" page on its own record, as the room, mob and item editors use it.

#include <QTest>

#include "app/Questions.h"
#include "editor/rooms/FormDriver.h"
#include "rooms/CMiscExtraDescrip.h"
#include "rooms/ExtraDescriptions.h"

using namespace tarnholt;
using namespace tarnholt::testing;

class ExtraDescripTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void addChangeAndRemove();
    void deleteTakesTheChosenEntryOnly();
    void leavingKeepsWhatIsTyped();
    void reactivatingFollowsAReplacedRecord();
    void formatRewrapsTheDescription();

private:
    QComboBox* selection() { return findNamed<QComboBox>(page_.get(), "keywordSelection"); }
    QLineEdit* keywords() { return findNamed<QLineEdit>(page_.get(), "keywords"); }
    QPlainTextEdit* description() { return findNamed<QPlainTextEdit>(page_.get(), "description"); }

    ExtraDescriptions record_;
    ScriptedQuestions questions_;
    std::unique_ptr<CMiscExtraDescrip> page_;
};

void ExtraDescripTest::init()
{
    record_ = ExtraDescriptions();
    record_.set("altar", "A stone altar.\r\n");
    questions_ = ScriptedQuestions();
    page_ = std::make_unique<CMiscExtraDescrip>(record_, questions_);
    page_->show();
    QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
    page_->activate();
}

void ExtraDescripTest::addChangeAndRemove()
{
    QCOMPARE(entries(selection()), QStringList{qt("altar")});
    QCOMPARE(selection()->currentIndex(), -1);

    click(page_.get(), "Add/Update Descrip"); // no keywords: nothing happens
    QCOMPARE(record_.keywordList.size(), std::size_t(1));

    type(keywords(), qt("fountain"));
    type(description(), qt("Water.\nCold."));
    click(page_.get(), "Add/Update Descrip");
    QCOMPARE(record_.get("fountain"), std::string("Water.\r\nCold."));
    QCOMPARE(entries(selection()), (QStringList{qt("altar"), qt("fountain")}));

    QVERIFY(choose(selection(), qt("altar")));
    QCOMPARE(keywords()->text(), qt("altar"));
    QCOMPARE(description()->toPlainText(), qt("A stone altar.\n"));
    type(description(), qt("A cracked altar."));
    click(page_.get(), "Add/Update Descrip");
    QCOMPARE(record_.get("altar"), std::string("A cracked altar."));
    QCOMPARE(entries(selection()), (QStringList{qt("altar"), qt("fountain")})); // listed once

    QVERIFY(choose(selection(), qt("fountain")));
    click(page_.get(), "Delete Descrip");
    QCOMPARE(record_.keywordList, std::vector<std::string>{"altar"});
    QCOMPARE(record_.descriptionList, std::vector<std::string>{"A cracked altar."});
    QCOMPARE(entries(selection()), QStringList{qt("altar")});
    QVERIFY(keywords()->text().isEmpty());
    QVERIFY(description()->toPlainText().isEmpty());
    QCOMPARE(selection()->currentIndex(), -1);

    click(page_.get(), "Delete Descrip"); // nothing chosen: nothing happens
    QCOMPARE(record_.keywordList.size(), std::size_t(1));
}

void ExtraDescripTest::deleteTakesTheChosenEntryOnly()
{
    record_.set("Door", "Big.");
    record_.set("door", "Small.");
    page_->activate();
    QVERIFY(choose(selection(), qt("door")));
    click(page_.get(), "Delete Descrip");
    QCOMPARE(record_.keywordList, (std::vector<std::string>{"altar", "Door"}));
    QCOMPARE(entries(selection()), (QStringList{qt("altar"), qt("Door")}));
}

void ExtraDescripTest::leavingKeepsWhatIsTyped()
{
    type(keywords(), qt("statue"));
    type(description(), qt("A marble statue."));
    QVERIFY(page_->leave());
    QCOMPARE(record_.get("statue"), std::string("A marble statue."));

    // Coming back shows the description of the keywords still on the page.
    description()->clear();
    page_->activate();
    QCOMPARE(description()->toPlainText(), qt("A marble statue."));
}

void ExtraDescripTest::reactivatingFollowsAReplacedRecord()
{
    QVERIFY(choose(selection(), qt("altar")));
    QVERIFY(page_->leave());
    ExtraDescriptions other;
    other.set("well", "Deep.");
    record_ = other; // another page copied a whole room over the edited one
    page_->activate();
    QCOMPARE(entries(selection()), QStringList{qt("well")});
    QVERIFY(keywords()->text().isEmpty());
    QVERIFY(page_->leave());
    QCOMPARE(record_.get("altar"), std::string()); // not brought back
}

void ExtraDescripTest::formatRewrapsTheDescription()
{
    type(description(), qt("one two\nthree"));
    questions_.queueAnswer(true);
    questions_.queueAnswer(true); // keep the line feeds
    click(page_.get(), "Format-80");
    QCOMPARE(questions_.questions.front(),
             std::string("This will reformat the description to fit on a 80-column screen.\nAre you sure you want to do this?"));
    QCOMPARE(description()->toPlainText(), qt("one two\nthree\n"));
    QCOMPARE(QApplication::focusWidget(), description());
}

QTEST_MAIN(ExtraDescripTest)
#include "ExtraDescripTest.moc"
