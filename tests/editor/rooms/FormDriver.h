#pragma once

// Drives the editor's forms the way a person does: typing into fields, choosing list entries,
// clicking buttons and tabs, answering the modal pick list.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

#include "rooms/CPropertySheet.h"
#include "rooms/CSheetPage.h"
#include "universe/CPickList.h"

namespace tarnholt::testing {

inline QString qt(const char* text) { return QString::fromUtf8(text); }

/// The enabled-or-not button whose text is `text`, among the visible children of `root`.
inline QAbstractButton* findButton(QWidget* root, const QString& text)
{
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

template <typename T>
T* findNamed(QWidget* root, const char* name)
{
    return root->findChild<T*>(QString::fromLatin1(name));
}

inline void click(QWidget* root, const char* text)
{
    QAbstractButton* button = findButton(root, qt(text));
    QVERIFY2(button != nullptr, text);
    QVERIFY2(button->isEnabled(), text);
    // Check boxes and option buttons answer on their mark and text, not on the whole cell they fill.
    const bool marked = button->inherits("QCheckBox") || button->inherits("QRadioButton");
    QTest::mouseClick(button, Qt::LeftButton, {}, marked ? QPoint(6, button->height() / 2) : QPoint());
}

inline void type(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

/// Types several lines, pressing Return between them.
inline void type(QPlainTextEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClicks(field, lines[i]);
    }
}

/// Picks the entry `text` as a person would from the drop-down.
inline bool choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
}

inline QStringList entries(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

inline QStringList tabTitles(const CPropertySheet& sheet)
{
    QStringList titles;
    for (int i = 0; i < sheet.tabs()->count(); ++i)
        titles << sheet.tabs()->tabText(i);
    return titles;
}

inline void clickTab(CPropertySheet& sheet, const char* title)
{
    QTabBar* bar = sheet.tabs()->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        if (bar->tabText(i) == qt(title)) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            return;
        }
    }
    QFAIL(title);
}

inline QString currentTab(const CPropertySheet& sheet) { return sheet.tabs()->tabText(sheet.tabs()->currentIndex()); }

/// Every text a person reads on `root`: labels, buttons, check boxes, option buttons, frames.
inline QStringList shownTexts(QWidget* root)
{
    QStringList texts;
    for (QLabel* label : root->findChildren<QLabel*>())
        texts << label->text();
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        texts << button->text();
    for (QGroupBox* box : root->findChildren<QGroupBox*>())
        texts << box->title();
    return texts;
}

/// Acts on the next pick list that opens modally (from a button click that follows).
inline void onPickList(std::function<void(CPickList&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* form = qobject_cast<CPickList*>(QApplication::activeModalWidget());
        if (form != nullptr)
            act(*form);
    });
}

/// Clicks the entry `text` of a pick list and then "Use".
inline void pickEntry(CPickList& form, const QString& text)
{
    auto* list = form.findChild<QListWidget*>();
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!found.isEmpty())
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
    QTest::mouseClick(findButton(&form, qt("Use")), Qt::LeftButton);
    if (form.isVisible())
        form.reject(); // never leave a modal form open behind a failing test
}

} // namespace tarnholt::testing
