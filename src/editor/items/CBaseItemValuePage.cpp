#include "items/CBaseItemValuePage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/CFieldCheck.h"
#include "universe/ComboFill.h"
#include "universe/Universe.h"

namespace tarnholt {

CBaseItemValuePage::CBaseItemValuePage(const QString& title, ItemEditContext& context, QWidget* parent)
    : CSheetPage(context.questions, parent), title_(title), context_(context)
{
    rows_ = new QGridLayout;
    rows_->setColumnStretch(1, 1);
    below_ = new QVBoxLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows_);
    layout->addLayout(below_);
    layout->addStretch();
}

void CBaseItemValuePage::activate()
{
    for (const Binding& binding : bindings_)
        binding.load();
    loaded();
    updateStatistics();
}

bool CBaseItemValuePage::leave()
{
    // Every number is checked before anything is stored, so a refusal leaves the record as it was.
    CFieldCheck check(questions());
    for (const Binding& binding : bindings_) {
        if (binding.check && !binding.check(check))
            return false;
    }
    for (const Binding& binding : bindings_)
        binding.store();
    return true;
}

void CBaseItemValuePage::addRow(const QString& label, QWidget* field)
{
    const int row = rows_->rowCount();
    if (!label.isEmpty()) {
        auto* text = new QLabel(label, this);
        text->setBuddy(field);
        rows_->addWidget(text, row, 0);
    }
    rows_->addWidget(field, row, 1);
}

void CBaseItemValuePage::addBinding(std::function<void()> load, std::function<bool(CFieldCheck&)> check,
                                    std::function<void()> store)
{
    bindings_.push_back({std::move(load), std::move(check), std::move(store)});
}

void CBaseItemValuePage::bindNumber(QLineEdit* edit, IntField field)
{
    addBinding([edit, field] { edit->setText(QString::number(field())); },
               [edit](CFieldCheck& check) {
                   int32_t value = 0;
                   return check.integer(edit, value);
               },
               [edit, field] {
                   int32_t value = 0;
                   if (CFieldCheck::parseInteger(edit->text(), value))
                       field() = value;
               });
}

QLineEdit* CBaseItemValuePage::addNumber(const QString& label, const char* name, IntField field)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    addRow(label, edit);
    bindNumber(edit, std::move(field));
    return edit;
}

QCheckBox* CBaseItemValuePage::addCheck(const QString& text, const char* name, IntField field)
{
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QString::fromLatin1(name));
    addRow(QString(), box);
    addBinding([box, field] { box->setChecked(field() != 0); }, {},
               [box, field] { field() = box->isChecked() ? 1 : 0; });
    return box;
}

QComboBox* CBaseItemValuePage::addNames(const QString& label, const char* name, EntryList entries,
                                        TextField field)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
    addRow(label, combo);
    addBinding([combo, entries, field] { ComboFill::fill(combo, entries(), field()); }, {},
               [combo, field] { field() = ComboFill::chosen(combo); });
    return combo;
}

QComboBox* CBaseItemValuePage::addIndex(const QString& label, const char* name, const QStringList& choices,
                                        IntField field)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(choices);
    addRow(label, combo);
    addBinding(
        [combo, field] {
            const int32_t value = field();
            const bool blocked = combo->blockSignals(true);
            combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1);
            combo->blockSignals(blocked);
        },
        {},
        [combo, field] {
            if (combo->currentIndex() >= 0)
                field() = combo->currentIndex();
        });
    return combo;
}

QButtonGroup* CBaseItemValuePage::addChoice(const QString& title, const QStringList& choices, IntField field)
{
    QWidget* frame = nullptr;
    if (title.isEmpty())
        frame = new QWidget(this);
    else
        frame = new QGroupBox(title, this);
    auto* layout = new QHBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    for (int i = 0; i < choices.size(); ++i) {
        auto* button = new QRadioButton(choices[i], frame);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    layout->addStretch();
    addRow(QString(), frame);
    addBinding(
        [group, field] {
            QAbstractButton* button = group->button(field());
            if (button != nullptr) {
                button->setChecked(true);
            } else if (QAbstractButton* marked = group->checkedButton()) {
                // A value outside the choices marks none of them.
                group->setExclusive(false);
                marked->setChecked(false);
                group->setExclusive(true);
            }
        },
        {},
        [group, field] {
            if (group->checkedId() >= 0)
                field() = group->checkedId();
        });
    return group;
}

void CBaseItemValuePage::addDice(const QString& label, IntField count, IntField size,
                                 const std::vector<Statistic>& figures)
{
    diceCount_ = new QLineEdit(this);
    diceCount_->setObjectName(QStringLiteral("diceCount"));
    diceSize_ = new QLineEdit(this);
    diceSize_->setObjectName(QStringLiteral("diceSize"));
    auto* dice = new QWidget(this);
    auto* line = new QHBoxLayout(dice);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(diceCount_);
    line->addWidget(new QLabel(QStringLiteral("d"), dice));
    line->addWidget(diceSize_);
    addRow(label, dice);

    bindNumber(diceCount_, std::move(count));
    bindNumber(diceSize_, std::move(size));

    for (const Statistic& figure : figures) {
        auto* text = new QLabel(this);
        text->setObjectName(QString::fromLatin1(figure.name));
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        addRow(figure.label, text);
        figures_.push_back(text);
    }
    connect(diceCount_, &QLineEdit::textChanged, this, &CBaseItemValuePage::updateStatistics);
    connect(diceSize_, &QLineEdit::textChanged, this, &CBaseItemValuePage::updateStatistics);
}

CBaseItemValuePage::EntryList CBaseItemValuePage::spellNames() const
{
    return [universe = &context_.universe] {
        std::vector<std::string> names;
        names.reserve(universe->spells.size());
        for (const SpellEntry& spell : universe->spells)
            names.push_back(spell.name);
        return names;
    };
}

CBaseItemValuePage::EntryList CBaseItemValuePage::tableNames(const std::vector<FlagEntry>& table)
{
    return [table = &table] {
        std::vector<std::string> names;
        names.reserve(table->size());
        for (const FlagEntry& entry : *table)
            names.push_back(entry.name);
        return names;
    };
}

QStringList CBaseItemValuePage::statistics(int32_t, int32_t) const
{
    return {};
}

void CBaseItemValuePage::updateStatistics()
{
    if (diceCount_ == nullptr)
        return;
    // The figures follow the dice only while both fields hold numbers; a half-typed field keeps
    // the last figures.
    int32_t count = 0;
    int32_t size = 0;
    if (!CFieldCheck::parseInteger(diceCount_->text(), count) ||
        !CFieldCheck::parseInteger(diceSize_->text(), size))
        return;
    const QStringList texts = statistics(count, size);
    for (std::size_t i = 0; i < figures_.size() && i < static_cast<std::size_t>(texts.size()); ++i)
        figures_[i]->setText(texts[static_cast<qsizetype>(i)]);
}

} // namespace tarnholt
