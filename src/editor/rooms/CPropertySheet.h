#pragma once

#include <QDialog>

#include <vector>

class QTabWidget;

namespace tarnholt {

class CSheetPage;

/// A modal tabbed editor with OK and Cancel. Switching tabs leaves the old page (which may refuse,
/// keeping its tab) and activates the new one; OK leaves the active page before accepting.
class CPropertySheet : public QDialog {
    Q_OBJECT
public:
    explicit CPropertySheet(const QString& title, QWidget* parent = nullptr);

    /// Appends a page under a tab; returns its index.
    int addPage(CSheetPage* page, const QString& title);
    /// Shows the page at `index` first and activates it; called once the pages are added.
    void openOn(int index);

    QTabWidget* tabs() const { return tabs_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    CSheetPage* page(int index) const { return pages_[static_cast<std::size_t>(index)]; }
    CSheetPage* activePage() const { return active_ < 0 ? nullptr : page(active_); }

    void accept() override;

protected:
    /// Takes `page` out of the editor and deletes it; when it was the active page, the tab that takes
    /// its place becomes the active page.
    void removePage(CSheetPage* page);

private:
    void tabChosen(int index);
    void showTab(int index);

    QTabWidget* tabs_ = nullptr;
    std::vector<CSheetPage*> pages_;
    int active_ = -1;
};

} // namespace tarnholt
