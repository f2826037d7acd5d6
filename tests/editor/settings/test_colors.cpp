// The display colours: the "Define Colors" form as a builder uses it, and the settings store.

#include <QLineEdit>
#include <QSettings>
#include <QtTest>

#include "editor/app/EditorTestSupport.h"
#include "settings/CDefineColors.h"
#include "settings/CSettingsStore.h"
#include "settings/DisplaySettings.h"

using namespace tarnholt;
using namespace tarnholt::test;

namespace {

struct Edit {
    int row;
    int column;
    QString text;
};

} // namespace

Q_DECLARE_METATYPE(QList<Edit>)

class TestColors : public QObject {
    Q_OBJECT

private slots:
    void formShowsTheSettings();
    void checksColumnByColumn_data();
    void checksColumnByColumn();
    void okCopiesEveryValue();
    void cancelKeepsTheColors();
    void storeKeysAndDefaults();
    void storeKeepsWhatItCannotRefuse();
};

void TestColors::formShowsTheSettings()
{
    DisplaySettings settings;
    settings.lockedDoor = {1, 2, 3};
    ScriptedMessages messages;
    CDefineColors form(settings, messages);
    QCOMPARE(form.windowTitle(), QStringLiteral("Define Colors"));

    // Defaults, row by row, as a first start shows them; the last row as set above.
    const int expected[7][3] = {{255, 0, 0}, {180, 180, 180}, {0, 0, 0}, {0, 0, 0}, {255, 0, 128}, {0, 255, 0}, {1, 2, 3}};
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 3; ++column)
            QCOMPARE(form.field(row, column)->text(), QString::number(expected[row][column]));
    }
}

void TestColors::checksColumnByColumn_data()
{
    QTest::addColumn<QList<Edit>>("edits");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focusRow");
    QTest::addColumn<int>("focusColumn");

    const QString notInteger = QStringLiteral("Please enter an integer.");
    const QString outOfRange = QStringLiteral("Please enter an integer between 0 and 255.");
    using C = CDefineColors;
    QTest::newRow("256 anywhere") << QList<Edit>{{3, C::Green, QStringLiteral("256")}} << outOfRange << 3 << int(C::Green);
    QTest::newRow("blue column before red")
        << QList<Edit>{{0, C::Red, QStringLiteral("abc")}, {6, C::Blue, QStringLiteral("-1")}} << outOfRange << 6
        << int(C::Blue);
    QTest::newRow("green column before red")
        << QList<Edit>{{0, C::Red, QStringLiteral("300")}, {6, C::Green, QStringLiteral("1.5")}} << notInteger << 6
        << int(C::Green);
    QTest::newRow("blue column before green")
        << QList<Edit>{{0, C::Green, QStringLiteral("x")}, {4, C::Blue, QStringLiteral("999")}} << outOfRange << 4
        << int(C::Blue);
    QTest::newRow("top to bottom within a column")
        << QList<Edit>{{5, C::Blue, QString()}, {1, C::Blue, QStringLiteral("1000")}} << outOfRange << 1 << int(C::Blue);
    QTest::newRow("empty field") << QList<Edit>{{2, C::Red, QString()}} << notInteger << 2 << int(C::Red);
    QTest::newRow("negative red") << QList<Edit>{{0, C::Red, QStringLiteral("-5")}} << outOfRange << 0 << int(C::Red);
}

void TestColors::checksColumnByColumn()
{
    QFETCH(QList<Edit>, edits);
    QFETCH(QString, message);
    QFETCH(int, focusRow);
    QFETCH(int, focusColumn);

    DisplaySettings settings;
    const DisplaySettings before = settings;
    ScriptedMessages messages;
    CDefineColors form(settings, messages);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const Edit& edit : edits)
        typeInto(form.field(edit.row, edit.column), edit.text);
    click(&form, QStringLiteral("OK"));

    QCOMPARE(messages.messages, std::vector<std::string>{message.toStdString()});
    QVERIFY2(form.isVisible(), "the form stays open");
    QCOMPARE(QApplication::focusWidget(), form.field(focusRow, focusColumn));
    QVERIFY(settings == before);
}

void TestColors::okCopiesEveryValue()
{
    DisplaySettings settings;
    ScriptedMessages messages;
    CDefineColors form(settings, messages);
    form.show();
    int n = 0;
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 3; ++column)
            typeInto(form.field(row, column), QString::number(10 * row + column + (n++ % 2)));
    }
    click(&form, QStringLiteral("OK"));
    QVERIFY(messages.messages.empty());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(settings.roomText, (Rgb{0, 2, 2}));
    QCOMPARE(settings.roomBackground, (Rgb{11, 11, 13}));
    QCOMPARE(settings.lockedDoor, (Rgb{60, 62, 62}));
    QCOMPARE(settings.roomTextColor(), 0u + 256u * 2 + 65536u * 2);
}

void TestColors::cancelKeepsTheColors()
{
    DisplaySettings settings;
    const DisplaySettings before = settings;
    ScriptedMessages messages;
    CDefineColors form(settings, messages);
    form.show();
    typeInto(form.field(0, CDefineColors::Blue), QStringLiteral("255"));
    typeInto(form.field(1, CDefineColors::Red), QStringLiteral("oops"));
    click(&form, QStringLiteral("Cancel"));
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(messages.messages.empty());
    QVERIFY(settings == before);
}

void TestColors::storeKeysAndDefaults()
{
    PrivateSettings isolated;
    auto store = CSettingsStore::open();
    QCOMPARE(store->organizationName(), QStringLiteral("Tarnholt"));
    QCOMPARE(store->applicationName(), QStringLiteral("Tarnholt 2.0"));

    // An empty store gives the first-start colours.
    DisplaySettings loaded;
    loaded.roomText = {9, 9, 9};
    DisplaySettings fresh;
    CSettingsStore::loadColors(*store, fresh);
    QVERIFY(fresh == DisplaySettings{});

    DisplaySettings chosen;
    chosen.roomText = {0, 0, 255};
    chosen.oneWayExit = {1, 2, 3};
    CSettingsStore::saveColors(*store, chosen);
    store.reset();

    QSettings raw(QSettings::UserScope, QStringLiteral("Tarnholt"), QStringLiteral("Tarnholt 2.0"));
    raw.beginGroup(QStringLiteral("Colors"));
    QCOMPARE(raw.childKeys().size(), 21);
    QCOMPARE(raw.value(QStringLiteral("RoomColor - Red")).toInt(), 0);
    QCOMPARE(raw.value(QStringLiteral("RoomColor - Blue")).toInt(), 255);
    QCOMPARE(raw.value(QStringLiteral("RoomBackgroundColor - Green")).toInt(), 180);
    QCOMPARE(raw.value(QStringLiteral("RoomBorderColor - Red")).toInt(), 0);
    QCOMPARE(raw.value(QStringLiteral("NormalExitColor - Blue")).toInt(), 0);
    QCOMPARE(raw.value(QStringLiteral("OneWayExitColor - Green")).toInt(), 2);
    QCOMPARE(raw.value(QStringLiteral("ClosedDoorColor - Green")).toInt(), 255);
    QCOMPARE(raw.value(QStringLiteral("LockedDoorColor - Green")).toInt(), 128);
    raw.endGroup();

    auto again = CSettingsStore::open();
    CSettingsStore::loadColors(*again, loaded);
    QVERIFY(loaded == chosen);
}

void TestColors::storeKeepsWhatItCannotRefuse()
{
    PrivateSettings isolated;
    {
        QSettings raw(QSettings::UserScope, QStringLiteral("Tarnholt"), QStringLiteral("Tarnholt 2.0"));
        raw.setValue(QStringLiteral("Colors/RoomColor - Red"), 300);      // out of range: used as stored
        raw.setValue(QStringLiteral("Colors/RoomColor - Green"), -4);
        raw.setValue(QStringLiteral("Colors/RoomBorderColor - Blue"), QStringLiteral("teal")); // not a number
    }
    DisplaySettings loaded;
    auto store = CSettingsStore::open();
    CSettingsStore::loadColors(*store, loaded);
    QCOMPARE(loaded.roomText, (Rgb{300, -4, 0}));
    QCOMPARE(loaded.roomBorder, (Rgb{0, 0, 0}));
    QCOMPARE(loaded.roomBackground, (Rgb{180, 180, 180}));
}

QTEST_MAIN(TestColors)
#include "test_colors.moc"
