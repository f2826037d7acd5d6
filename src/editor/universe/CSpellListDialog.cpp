#include "universe/CSpellListDialog.h"

#include <QVBoxLayout>

#include "app/CText.h"
#include "universe/NewListCtrlClass.h"
#include "universe/Universe.h"

namespace tarnholt {

CSpellListDialog::CSpellListDialog(const Universe& universe, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Spell Number List"));

    list_ = new NewListCtrlClass(this);
    list_->setObjectName(QStringLiteral("spells"));
    list_->addColumn(QStringLiteral("Spell Name"), 200);
    list_->addColumn(QStringLiteral("Spell Number"), 120);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHeaderSorting(false);

    QList<QTreeWidgetItem*> rows;
    for (const SpellEntry& spell : universe.spells) {
        auto row = new QTreeWidgetItem;
        row->setText(0, CText::toQt(spell.name));
        row->setText(1, QString::number(spell.number));
        rows.append(row);
    }
    list_->addTopLevelItems(rows);
    list_->sortBy(0, true);

    auto layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    resize(360, 420);
}

} // namespace tarnholt
