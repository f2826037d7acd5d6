// The small forms and helpers of the main window: number checks, the record finder behind
// "More...", the warnings window, the message boxes and the text conversions.

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "app/CFieldCheck.h"
#include "app/CRecordFinder.h"
#include "app/CText.h"
#include "editor/app/EditorTestSupport.h"
#include "generate/CWarningsDialog.h"
#include "generate/Generator.h"

using namespace tarnholt;
using namespace tarnholt::test;

class TestAppForms : public QObject {
    Q_OBJECT

private slots:
    void integerText_data();
    void integerText();
    void finderRefusesNoChoice();
    void warningsWindow();
    void messageBoxes();
    void recordTextConversion();
};

void TestAppForms::integerText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << "42" << true << 42;
    QTest::newRow("blanks and tabs around") << " \t42\t " << true << 42;
    QTest::newRow("plus sign") << "+7" << true << 7;
    QTest::newRow("minus sign") << "-7" << true << -7;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(INT32_MIN);
    QTest::newRow("one past the largest") << "2147483648" << false << 0;
    QTest::newRow("one below the smallest") << "-2147483649" << false << 0;
    QTest::newRow("huge") << "99999999999999999999999" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("two signs") << "+-3" << false << 0;
    QTest::newRow("trailing letters") << "12a" << false << 0;
    QTest::newRow("decimal point") << "1.0" << false << 0;
    QTest::newRow("hexadecimal") << "0x1F" << false << 0;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662") << false << 0;
    QTest::newRow("line break") << "5\n" << false << 0;
}

void TestAppForms::integerText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);

    int32_t read = -99;
    QCOMPARE(CFieldCheck::parseInteger(text, read), valid);
    QCOMPARE(read, valid ? value : -99);
}

void TestAppForms::finderRefusesNoChoice()
{
    ScriptedMessages messages;
    CRecordFinder finder(QStringLiteral("Edit Existing Item"), {{0, "a"}, {1, "b"}}, messages);
    finder.show();
    click(&finder, QStringLiteral("OK"));
    QCOMPARE(messages.messages, std::vector<std::string>{"You must select an entry before exiting."});
    QVERIFY(finder.isVisible());
    QCOMPARE(finder.chosenIndex(), -1);
    typeInto(finder.findField(), QStringLiteral("zzz"));
    QCOMPARE(finder.list()->count(), 0);
    click(&finder, QStringLiteral("Cancel"));
    QCOMPARE(finder.result(), int(QDialog::Rejected));
    QCOMPARE(finder.chosenIndex(), -1);
}

void TestAppForms::warningsWindow()
{
    std::vector<Warning> warnings{{"Room", "hall", "No Description"},
                                  {"Room-Action", "hall", "Invalid Mob on a Load Mob Action."},
                                  {"Item", "caf\xE9", "No Item Type Assigned"}};
    CWarningsDialog window(warnings);
    QCOMPARE(window.windowTitle(), QStringLiteral("Warnings Generated"));
    bool introFound = false;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        introFound = introFound || label->text() == QStringLiteral("The zone you just generated may not be usable "
                                                                   "because of the following warnings:");
    }
    QVERIFY(introFound);

    QTreeWidget* list = window.list();
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Type"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Identifier"));
    QCOMPARE(list->headerItem()->text(2), QStringLiteral("Warning Text"));
    QCOMPARE(list->columnWidth(0), 80);
    QCOMPARE(list->columnWidth(1), 140);
    QCOMPARE(list->columnWidth(2), 240);
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Room"));
    QCOMPARE(list->topLevelItem(1)->text(2), QStringLiteral("Invalid Mob on a Load Mob Action."));
    QCOMPARE(list->topLevelItem(2)->text(1), QString::fromUtf8("caf\u00e9"));
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);

    window.show();
    click(&window, QStringLiteral("Close"));
    QVERIFY(!window.isVisible());
}

void TestAppForms::messageBoxes()
{
    CMessageQuestions boxes;
    QStringList buttons;
    QString text;
    whenModal([&](QDialog* dialog) {
        auto box = qobject_cast<QMessageBox*>(dialog);
        QVERIFY(box != nullptr);
        text = box->text();
        for (QAbstractButton* button : box->buttons())
            buttons << button->text().remove(QLatin1Char('&'));
        box->button(QMessageBox::Cancel)->click();
    });
    QCOMPARE(boxes.askSaveChanges("Save changes to Untitled?"), CMessageQuestions::SaveAnswer::Cancel);
    QCOMPARE(text, QStringLiteral("Save changes to Untitled?"));
    QCOMPARE(buttons.size(), 3);

    whenModal([](QDialog* dialog) {
        auto box = qobject_cast<QMessageBox*>(dialog);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
        box->button(QMessageBox::No)->click();
    });
    QCOMPARE(boxes.askYesNo("Delete?", true), false);

    whenModal([](QDialog* dialog) { qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::Yes)->click(); });
    QCOMPARE(boxes.askYesNo("Go on?", false), true);

    // A file name in a message is UTF-8 on this system; record texts are Windows-1252.
    whenModal([&](QDialog* dialog) {
        text = qobject_cast<QMessageBox*>(dialog)->text();
        dialog->accept();
    });
    boxes.message("Unable to read from /z\xC3\xB6nes/a.rlm, it is opened by someone else.");
    QCOMPARE(text, QString::fromUtf8("Unable to read from /z\u00f6nes/a.rlm, it is opened by someone else."));
}

void TestAppForms::recordTextConversion()
{
    QCOMPARE(CText::toQt("caf\xE9 \x80 \x96"), QString::fromUtf8("caf\u00e9 \u20ac \u2013"));
    QCOMPARE(CText::toRecord(QString::fromUtf8("caf\u00e9 \u20ac \u2013 \u4e2d \U0001F600")),
             std::string("caf\xE9 \x80 \x96 ? ?"));
    QCOMPARE(CText::menuText("R&D"), QStringLiteral("R&&D"));
    QCOMPARE(CText::messageToQt("caf\xE9"), QString::fromUtf8("caf\u00e9")); // not UTF-8: read as 8-bit
}

QTEST_MAIN(TestAppForms)
#include "test_app_forms.moc"
