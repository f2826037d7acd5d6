#include "items/CItemFlagPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/CText.h"
#include "items/Item.h"
#include "universe/FlagEntry.h"

namespace tarnholt {

CItemFlagPage::CItemFlagPage(ItemEditContext& context, const QString& heading, int boxCount,
                             const std::vector<FlagEntry>& table, NameList names, bool selectButtons,
                             QWidget* parent)
    : CSheetPage(context.questions, parent), context_(context), table_(table), names_(names)
{
    auto* layout = new QVBoxLayout(this);
    if (!heading.isEmpty())
        layout->addWidget(new QLabel(heading, this));

    auto* grid = new QGridLayout;
    constexpr int kRows = 12;
    for (int i = 0; i < boxCount; ++i) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("flag%1").arg(i));
        if (i < static_cast<int>(table_.size()))
            box->setText(CText::toQt(table_[static_cast<std::size_t>(i)].name));
        else
            box->hide();
        grid->addWidget(box, i % kRows, i / kRows);
        boxes_.push_back(box);
    }
    layout->addLayout(grid);

    if (selectButtons) {
        auto* selectAll = new QPushButton(QStringLiteral("Select All"), this);
        auto* unselectAll = new QPushButton(QStringLiteral("Unselect All"), this);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(selectAll);
        buttons->addWidget(unselectAll);
        buttons->addStretch();
        layout->addLayout(buttons);
        connect(selectAll, &QPushButton::clicked, this, [this] { setAll(true); });
        connect(unselectAll, &QPushButton::clicked, this, [this] { setAll(false); });
    }
    layout->addStretch();
}

void CItemFlagPage::activate()
{
    const std::vector<std::string>& names = context_.item.*names_;
    const std::size_t count = std::min(boxes_.size(), table_.size());
    for (std::size_t i = 0; i < count; ++i)
        boxes_[i]->setChecked(std::find(names.begin(), names.end(), table_[i].name) != names.end());
}

bool CItemFlagPage::leave()
{
    std::vector<std::string>& names = context_.item.*names_;
    std::vector<std::string> ticked;
    const std::size_t count = std::min(boxes_.size(), table_.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (boxes_[i]->isChecked())
            ticked.push_back(table_[i].name);
    }
    // Names without a box (not in the table) are kept rather than dropped unseen.
    for (const std::string& name : names) {
        const bool shown = std::any_of(table_.begin(), table_.begin() + static_cast<std::ptrdiff_t>(count),
                                       [&](const FlagEntry& entry) { return entry.name == name; });
        if (!shown)
            ticked.push_back(name);
    }
    names = std::move(ticked);
    return true;
}

void CItemFlagPage::setAll(bool ticked)
{
    for (QCheckBox* box : boxes_) {
        if (!box->isHidden())
            box->setChecked(ticked);
    }
}

} // namespace tarnholt
