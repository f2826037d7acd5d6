#include "rooms/CPropertySheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "rooms/CSheetPage.h"

namespace tarnholt {

CPropertySheet::CPropertySheet(const QString& title, QWidget* parent) : QDialog(parent)
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
    connect(ok, &QPushButton::clicked, this, &CPropertySheet::accept);
    connect(cancel, &QPushButton::clicked, this, &CPropertySheet::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &CPropertySheet::tabChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

int CPropertySheet::addPage(CSheetPage* page, const QString& title)
{
    const bool blocked = tabs_->blockSignals(true);
    tabs_->addTab(page, title);
    tabs_->blockSignals(blocked);
    pages_.push_back(page);
    return pageCount() - 1;
}

void CPropertySheet::removePage(CSheetPage* page)
{
    const auto at = std::find(pages_.begin(), pages_.end(), page);
    if (at == pages_.end())
        return;
    const int index = static_cast<int>(at - pages_.begin());
    const bool wasActive = index == active_;
    const bool blocked = tabs_->blockSignals(true);
    tabs_->removeTab(index);
    tabs_->blockSignals(blocked);
    pages_.erase(at);
    delete page;
    if (index < active_)
        --active_;
    else if (wasActive) {
        active_ = tabs_->currentIndex();
        if (active_ >= 0)
            this->page(active_)->activate();
    }
}

void CPropertySheet::openOn(int index)
{
    if (index < 0 || index >= pageCount())
        index = 0;
    showTab(index);
    active_ = index;
    page(index)->activate();
}

void CPropertySheet::showTab(int index)
{
    const bool blocked = tabs_->blockSignals(true);
    tabs_->setCurrentIndex(index);
    tabs_->blockSignals(blocked);
}

void CPropertySheet::tabChosen(int index)
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

void CPropertySheet::accept()
{
    if (CSheetPage* current = activePage(); current != nullptr && !current->leave())
        return;
    QDialog::accept();
}

} // namespace tarnholt
