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

/// Settings whose 21 ints, in store order, are `first`, `first + step`, ...
DisplaySettings counting(int first, int step)
{
    std::array<int32_t, 21> values{};
    for (int i = 0; i < 21; ++i)
        values[static_cast<std::size_t>(i)] = first + step * i;
    DisplaySettings settings;
    settings.fromInts(values);
    return settings;
}

QSettings rawStore() { return QSettings(QSettings::UserScope, qt("Tarnholt"), qt("Tarnholt 2.0")); }

} // namespace

Q_DECLARE_METATYPE(QList<Edit>)

class TestColors : public QObject {
    Q_OBJECT

private slots:
    void formShowsAndCopiesEveryValue()
    {
        DisplaySettings settings = counting(1, 1);
        ScriptedMessages messages;
        CDefineColors form(settings, messages);
        QCOMPARE(form.windowTitle(), qt("Define Colors"));
        for (const char* label : {"Red", "Green", "Blue", "Room Text Color:", "Background Room Color:", "Room Border Color:",
                                  "Normal Exit Color:", "One-way Exit Color:", "Closed Door Color:", "Locked Door Color:"})
            QVERIFY2(labelTexts(&form).contains(qt(label)), label);
        form.show();
        for (int row = 0; row < 7; ++row) {
            for (int column = 0; column < 3; ++column) {
                QCOMPARE(form.field(row, column)->text(), QString::number(1 + row * 3 + column));
                typeInto(form.field(row, column), QString::number(100 + 2 * (row * 3 + column)));
            }
        }
        click(&form, "OK");
        QVERIFY(messages.messages.empty() && form.result() == QDialog::Accepted);
        QVERIFY(settings == counting(100, 2));
        QCOMPARE(settings.lockedDoor, (Rgb{136, 138, 140})); // the last row is the last colour
    }

    void checksColumnByColumn_data()
    {
        QTest::addColumn<QList<Edit>>("edits");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focusRow");
        QTest::addColumn<int>("focusColumn");
        const QString notInteger = qt("Please enter an integer.");
        const QString outOfRange = qt("Please enter an integer between 0 and 255.");
        using C = CDefineColors;
        QTest::newRow("256 anywhere") << QList<Edit>{{3, C::Green, qt("256")}} << outOfRange << 3 << int(C::Green);
        QTest::newRow("blue column before red")
            << QList<Edit>{{0, C::Red, qt("abc")}, {6, C::Blue, qt("-1")}} << outOfRange << 6 << int(C::Blue);
        QTest::newRow("green column before red")
            << QList<Edit>{{0, C::Red, qt("300")}, {6, C::Green, qt("1.5")}} << notInteger << 6 << int(C::Green);
        QTest::newRow("blue column before green")
            << QList<Edit>{{0, C::Green, qt("x")}, {4, C::Blue, qt("999")}} << outOfRange << 4 << int(C::Blue);
        QTest::newRow("top to bottom within a column")
            << QList<Edit>{{5, C::Blue, QString()}, {1, C::Blue, qt("1000")}} << outOfRange << 1 << int(C::Blue);
        QTest::newRow("negative red") << QList<Edit>{{0, C::Red, qt("-5")}} << outOfRange << 0 << int(C::Red);
    }

    void checksColumnByColumn()
    {
        QFETCH(QList<Edit>, edits);
        QFETCH(QString, message);
        QFETCH(int, focusRow);
        QFETCH(int, focusColumn);
        DisplaySettings settings;
        ScriptedMessages messages;
        CDefineColors form(settings, messages);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (const Edit& edit : edits)
            typeInto(form.field(edit.row, edit.column), edit.text);
        click(&form, "OK");
        QCOMPARE(messages.messages, std::vector<std::string>{message.toStdString()});
        QVERIFY2(form.isVisible(), "the form stays open");
        QCOMPARE(QApplication::focusWidget(), form.field(focusRow, focusColumn));
        // Nothing is copied while one field is wrong, and Cancel leaves without a word.
        click(&form, "Cancel");
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(messages.messages.size(), std::size_t(1));
        QVERIFY(settings == DisplaySettings{});
    }

    void storeKeysAndDefaults()
    {
        PrivateSettings isolated;
        auto store = CSettingsStore::open();
        QCOMPARE(store->organizationName() + qt("/") + store->applicationName(), qt("Tarnholt/Tarnholt 2.0"));
        // An empty store gives the first-start colours (an absent key is not read as 0).
        DisplaySettings loaded;
        CSettingsStore::loadColors(*store, loaded);
        QVERIFY(loaded == DisplaySettings{});

        CSettingsStore::saveColors(*store, counting(0, 1));
        store.reset();
        QSettings raw = rawStore();
        raw.beginGroup(qt("Colors"));
        QCOMPARE(raw.childKeys().size(), 21);
        int index = 0;
        for (const char* colour : {"RoomColor", "RoomBackgroundColor", "RoomBorderColor", "NormalExitColor",
                                   "OneWayExitColor", "ClosedDoorColor", "LockedDoorColor"})
            for (const char* channel : {" - Red", " - Green", " - Blue"})
                QCOMPARE(raw.value(qt(colour) + qt(channel)).toInt(), index++);
        raw.endGroup();
        loaded = counting(7, 0);
        CSettingsStore::loadColors(*CSettingsStore::open(), loaded);
        QVERIFY(loaded == counting(0, 1));
    }

    void storeKeepsWhatItCannotRefuse()
    {
        PrivateSettings isolated;
        {
            QSettings raw = rawStore();
            raw.setValue(qt("Colors/RoomColor - Red"), 300); // out of range: used as stored
            raw.setValue(qt("Colors/RoomColor - Green"), -4);
            raw.setValue(qt("Colors/RoomBorderColor - Blue"), qt("teal")); // not a number
        }
        DisplaySettings loaded;
        CSettingsStore::loadColors(*CSettingsStore::open(), loaded);
        QCOMPARE(loaded.roomText, (Rgb{300, -4, 0}));
        QCOMPARE(loaded.roomBorder, (Rgb{0, 0, 0}));
        QCOMPARE(loaded.roomBackground, (Rgb{180, 180, 180}));
    }
};

QTEST_MAIN(TestColors)
#include "test_colors.moc"
