#include "items/CItemSheet.h"

#include <QTabBar>
#include <QTabWidget>

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
    : CPropertySheet(title, parent),
      item_(item), context_{item_, world, universe, templates, questions, item.identifier, templateMode}
{
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
    resize(std::max(wanted.width(), tabs()->tabBar()->sizeHint().width() + 40), wanted.height());
    openOn(0);
}

CItemSheet::~CItemSheet()
{
    // The pages work on the item copy, a member: they go first, while it still exists.
    delete tabs();
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
    // The type only changes from other pages; should it ever change on the value page itself, the
    // tab that takes its place becomes the active page.
    removePage(valuePage_);
    valuePage_ = nullptr;
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

} // namespace tarnholt
