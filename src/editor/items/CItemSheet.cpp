#include "items/CItemSheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/CText.h"
#include "items/CBaseItemValuePage.h"
#include "items/CItemAbility.h"
#include "items/CItemAssemble.h"
#include "items/CItemClass.h"
#include "items/CItemDescription.h"
#include "items/CItemFlags.h"
#include "items/CItemOther.h"
#include "items/CItemSpecProc.h"
#include "items/CItemWear.h"
#include "items/ItemTypes.h"
#include "items/ItemValuePages.h"
#include "rooms/CMiscExtraDescrip.h"

namespace tarnholt {

namespace {

bool sameType(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// An item whose type wants a value record but holds none, or one of another type, gets a default
// record of its type, so that its value page has the record it expects.
void fitValueRecord(Item& item)
{
    std::unique_ptr<ItemValues> fresh = createItemValues(item.itemType);
    if (fresh == nullptr)
        return;
    if (item.valueRecord == nullptr || item.valueRecord->typeName() != fresh->typeName())
        item.valueRecord = std::move(fresh);
}

} // namespace

CItemSheet::CItemSheet(const QString& title, const Item& item, const World& world, const Universe& universe,
                       const TemplateLibrary& templates, Questions& questions, bool templateMode,
                       QWidget* parent)
    : QDialog(parent),
      item_(item), context_{item_, world, universe, templates, questions, item.identifier, templateMode}
{
    setWindowTitle(title);
    tabs_ = new QTabWidget(this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("ok"));
    cancel->setObjectName(QStringLiteral("cancel"));
    // Enter in a one-line field must not confirm the whole editor behind the builder's back.
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CItemSheet::accept);
    connect(cancel, &QPushButton::clicked, this, &CItemSheet::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &CItemSheet::tabChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);

    fitValueRecord(item_);

    auto* description = new CItemDescription(context_, this);
    connect(description, &CItemDescription::itemReplaced, this, &CItemSheet::followItemType);
    addPage(description, QStringLiteral("Description"));
    auto* other = new CItemOther(context_, this);
    connect(other, &CItemOther::typeChosen, this,
            [this](const QString& typeName) { changeType(CText::toRecord(typeName)); });
    addPage(other, QStringLiteral("Type/Effect"));
    addPage(new CItemAbility(context_, this), QStringLiteral("Abilities"));
    addPage(new CItemClass(context_, this), QStringLiteral("Classes"));
    addPage(new CItemFlags(context_, this), QStringLiteral("Flags"));
    addPage(new CItemWear(context_, this), QStringLiteral("Wear"));
    addPage(new CItemAssemble(context_, this), QStringLiteral("Assemble"));
    addPage(new CItemSpecProc(context_, this), QStringLiteral("SpecProc"));
    addPage(new CMiscExtraDescrip(item_.extraDescriptions, questions, this),
            QStringLiteral("Extra Descriptions"));
    valuePageType_ = item_.itemType;
    addValuePage(valuePageType_);

    // Wide enough to show every tab at once.
    const QSize wanted = sizeHint();
    resize(std::max(wanted.width(), tabs_->tabBar()->sizeHint().width() + 40), wanted.height());

    showTab(0);
    active_ = 0;
    page(0)->activate();
}

CItemSheet::~CItemSheet()
{
    // The pages work on the item copy, a member: they go first, while it still exists.
    delete tabs_;
}

int CItemSheet::addPage(CSheetPage* page, const QString& title)
{
    const bool blocked = tabs_->blockSignals(true);
    tabs_->addTab(page, title);
    tabs_->blockSignals(blocked);
    pages_.push_back(page);
    return pageCount() - 1;
}

void CItemSheet::addValuePage(const std::string& typeName)
{
    CBaseItemValuePage* valuePage = createItemValuePage(typeName, context_, this);
    if (valuePage == nullptr)
        return;
    addPage(valuePage, valuePage->title());
    valuePage_ = valuePage;
}

void CItemSheet::removeValuePage()
{
    if (valuePage_ == nullptr)
        return;
    const auto at = std::find(pages_.begin(), pages_.end(), valuePage_);
    const int index = static_cast<int>(at - pages_.begin());
    const bool wasActive = index == active_;
    const bool blocked = tabs_->blockSignals(true);
    tabs_->removeTab(index);
    tabs_->blockSignals(blocked);
    pages_.erase(at);
    delete valuePage_;
    valuePage_ = nullptr;
    if (wasActive) {
        // The type only changes from other pages; should it ever change here, the tab that took
        // its place becomes the active page.
        active_ = tabs_->currentIndex();
        if (active_ >= 0)
            page(active_)->activate();
    }
}

void CItemSheet::changeType(const std::string& typeName)
{
    if (sameType(typeName, valuePageType_))
        return;
    if (!valuePageType_.empty()) {
        removeValuePage();
        item_.valueRecord.reset();
    }
    addValuePage(typeName);
    item_.valueRecord = createItemValues(typeName);
    item_.itemType = typeName;
    valuePageType_ = typeName;
}

void CItemSheet::followItemType()
{
    fitValueRecord(item_);
    if (!sameType(item_.itemType, valuePageType_)) {
        removeValuePage();
        addValuePage(item_.itemType);
    }
    valuePageType_ = item_.itemType;
}

void CItemSheet::showTab(int index)
{
    const bool blocked = tabs_->blockSignals(true);
    tabs_->setCurrentIndex(index);
    tabs_->blockSignals(blocked);
}

void CItemSheet::tabChosen(int index)
{
    if (index == active_ || index < 0)
        return;
    if (active_ >= 0) {
        // Back to the page being left, so that a refusal shows it with the field at fault.
        const int wanted = index;
        showTab(active_);
        if (!page(active_)->leave())
            return;
        index = wanted;
        showTab(index);
    }
    active_ = index;
    page(index)->activate();
}

void CItemSheet::accept()
{
    if (CSheetPage* current = activePage(); current != nullptr && !current->leave())
        return;
    QDialog::accept();
}

} // namespace tarnholt
