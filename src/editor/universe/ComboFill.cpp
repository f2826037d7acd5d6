#include "universe/ComboFill.h"

#include <QComboBox>
#include <QStringListModel>

#include "universe/FlagEntry.h"
#include "app/CText.h"
#include "world/World.h"

namespace tarnholt {

namespace {

// The entries of a filled list are plain strings: for a large zone's 200,000 rooms a list of strings
// is made in a few milliseconds and searched directly, where the combo's own model of items takes
// tens of milliseconds to make and as long again to search through its item texts.
QStringListModel* stringsOf(QComboBox* combo)
{
    if (auto* model = qobject_cast<QStringListModel*>(combo->model()))
        return model;
    auto* model = new QStringListModel(combo);
    combo->setModel(model);
    return model;
}

} // namespace

int ComboFill::fill(QComboBox* combo, const std::vector<std::string>& entries, const std::string& current)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(entries.size()) + 1);
    texts.append(QString());
    for (const std::string& entry : entries)
        texts.append(CText::toQt(entry));

    const bool blocked = combo->blockSignals(true);
    stringsOf(combo)->setStringList(texts);
    combo->blockSignals(blocked);
    const int listed = static_cast<int>(texts.size());
    select(combo, listed, current);
    return listed;
}

void ComboFill::select(QComboBox* combo, int listed, const std::string& current)
{
    const bool blocked = combo->blockSignals(true);
    while (combo->count() > listed)
        combo->removeItem(combo->count() - 1);
    int index = matchIndex(combo, current);
    if (index < 0) {
        combo->addItem(CText::toQt(current));
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
    combo->blockSignals(blocked);
}

int ComboFill::matchIndex(const QComboBox* combo, const std::string& value)
{
    QStringList texts;
    if (const auto* model = qobject_cast<const QStringListModel*>(combo->model())) {
        texts = model->stringList();
    } else {
        for (int i = 0; i < combo->count(); ++i)
            texts.append(combo->itemText(i));
    }
    const QString text = CText::toQt(value);
    // An exact match wins: "guard" must not open as "guardian" just because that one comes first.
    const qsizetype exact = texts.indexOf(text);
    if (exact >= 0)
        return static_cast<int>(exact);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (texts[i].startsWith(text, Qt::CaseInsensitive))
            return static_cast<int>(i);
    }
    return -1;
}

std::string ComboFill::chosen(const QComboBox* combo)
{
    if (combo->currentIndex() < 0)
        return {};
    return CText::toRecord(combo->currentText());
}

void ComboFill::items(QComboBox* combo, const World& world, const std::string& current)
{
    int listed = -1;
    items(combo, world, current, listed);
}

void ComboFill::keys(QComboBox* combo, const World& world, const std::string& current)
{
    std::vector<std::string> list;
    for (const Item& item : world.items) {
        if (item.itemType == "Key")
            list.push_back(item.identifier);
    }
    fill(combo, list, current);
}

void ComboFill::mobs(QComboBox* combo, const World& world, const std::string& current)
{
    int listed = -1;
    mobs(combo, world, current, listed);
}

void ComboFill::rooms(QComboBox* combo, const World& world, const std::string& current)
{
    int listed = -1;
    rooms(combo, world, current, listed);
}

namespace {

template <typename MakeList>
void fillOnce(QComboBox* combo, const std::string& current, int& listed, MakeList makeList)
{
    if (listed >= 0) {
        ComboFill::select(combo, listed, current);
        return;
    }
    std::vector<std::string> list;
    makeList(list);
    listed = ComboFill::fill(combo, list, current);
}

} // namespace

void ComboFill::items(QComboBox* combo, const World& world, const std::string& current, int& listed)
{
    fillOnce(combo, current, listed, [&world](std::vector<std::string>& list) { world.itemIdentifiers(list); });
}

void ComboFill::mobs(QComboBox* combo, const World& world, const std::string& current, int& listed)
{
    fillOnce(combo, current, listed, [&world](std::vector<std::string>& list) { world.mobIdentifiers(list); });
}

void ComboFill::rooms(QComboBox* combo, const World& world, const std::string& current, int& listed)
{
    fillOnce(combo, current, listed, [&world](std::vector<std::string>& list) { world.roomIdentifiers(list); });
}

void ComboFill::names(QComboBox* combo, const std::vector<FlagEntry>& table, const std::string& current)
{
    std::vector<std::string> list;
    list.reserve(table.size());
    for (const FlagEntry& entry : table)
        list.push_back(entry.name);
    fill(combo, list, current);
}

} // namespace tarnholt
