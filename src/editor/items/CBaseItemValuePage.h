#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "items/ItemEditContext.h"
#include "rooms/CSheetPage.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace tarnholt {

class CFieldCheck;
struct FlagEntry;

/// The base of the value pages of the item editor, one per item type. A page is a column of
/// labelled fields, each bound to a field of the item's value record: the bindings load the
/// fields when the page becomes active and, once every number has been checked, store them when
/// the page is left. The three weapon pages also show damage figures worked out from their dice.
class CBaseItemValuePage : public CSheetPage {
    Q_OBJECT
public:
    /// The tab title.
    const QString& title() const { return title_; }

    void activate() override;
    bool leave() override;

protected:
    CBaseItemValuePage(const QString& title, ItemEditContext& context, QWidget* parent);

    ItemEditContext& context() const { return context_; }

    /// Runs after the fields were loaded; pages that enable fields or show figures use it.
    virtual void loaded() {}

    using IntField = std::function<int32_t&()>;
    using TextField = std::function<std::string&()>;
    using EntryList = std::function<std::vector<std::string>()>;

    /// A number typed in a line; anything but an integer is refused with "Please enter an integer.".
    QLineEdit* addNumber(const QString& label, const char* name, IntField field);
    /// A check box for a 0/1 field.
    QCheckBox* addCheck(const QString& text, const char* name, IntField field);
    /// A drop-down list of names with an empty choice first, holding a name (see ComboFill).
    QComboBox* addNames(const QString& label, const char* name, EntryList entries, TextField field);
    /// A drop-down list of fixed choices holding the chosen index; nothing chosen keeps the field.
    QComboBox* addIndex(const QString& label, const char* name, const QStringList& choices, IntField field);
    /// Option buttons holding the index of the marked one, in a frame titled `title` (no frame
    /// when it is empty); none marked keeps the field.
    QButtonGroup* addChoice(const QString& title, const QStringList& choices, IntField field);

    /// A figure of the dice fields: its label and the name of the text that shows it.
    struct Statistic {
        QString label;
        const char* name;
    };
    /// The dice row ("label" count "d" size) and, below it, read-only figures that follow the
    /// dice whenever both fields hold numbers (see statistics()).
    void addDice(const QString& label, IntField count, IntField size, const std::vector<Statistic>& figures);
    /// The texts of the figures for `count` dice of `size` sides, in the order given to addDice.
    virtual QStringList statistics(int32_t count, int32_t size) const;

    /// The Universe's spell names, for addNames.
    EntryList spellNames() const;
    /// The names of a Universe table, for addNames.
    static EntryList tableNames(const std::vector<FlagEntry>& table);

    /// A binding of a field that the helpers above do not cover. `check` may be empty.
    void addBinding(std::function<void()> load, std::function<bool(CFieldCheck&)> check,
                    std::function<void()> store);
    /// Adds a labelled widget as the next row.
    void addRow(const QString& label, QWidget* field);
    /// Room below the rows, for lists and notes.
    QVBoxLayout* below() const { return below_; }

private:
    struct Binding {
        std::function<void()> load;
        std::function<bool(CFieldCheck&)> check;
        std::function<void()> store;
    };

    void bindNumber(QLineEdit* edit, IntField field);
    void updateStatistics();

    QString title_;
    ItemEditContext& context_;
    QGridLayout* rows_ = nullptr;
    QVBoxLayout* below_ = nullptr;
    std::vector<Binding> bindings_;
    QLineEdit* diceCount_ = nullptr;
    QLineEdit* diceSize_ = nullptr;
    std::vector<QLabel*> figures_;
};

} // namespace tarnholt
